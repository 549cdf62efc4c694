#pragma once

class QWidget;

namespace numorra::ui {

// Puts a top-level window, frame included, in the middle of its screen's
// free area.
void centreOnScreen(QWidget& window);

} // namespace numorra::ui
