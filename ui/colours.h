#pragma once

#include "board/colour.h"

#include <QColor>
#include <QPalette>

namespace numorra::ui {

// The one place where the game's colour values meet the toolkit's colours.
// A system colour resolves through the palette, so the boxes and the window
// follow the desktop's theme.
QColor toQColor(Colour colour, const QPalette& palette);
Colour fromQColor(const QColor& colour);

} // namespace numorra::ui
