#pragma once

#include <QIcon>

namespace numorra::ui {

// Both icons are vector art, drawn afresh at every size and pixel ratio.
QIcon applicationIcon(); // the badge of rings
QIcon aboutIcon();       // the smiley of the About window

} // namespace numorra::ui
