#pragma once

class QWidget;

namespace numorra::ui {

struct ControlDesign;

// Gives a control its design: object name, place, font and visibility. A
// text label then takes the size its caption needs.
void applyDesign(QWidget& control, const ControlDesign& design);

// Puts a top-level window, frame included, in the middle of its screen's
// free area.
void centreOnScreen(QWidget& window);

} // namespace numorra::ui
