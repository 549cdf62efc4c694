#pragma once

#include <QIcon>

namespace numorra::ui {

// Both icons are vector art, drawn to pixels when the game is built.
QIcon applicationIcon(); // the badge of rings
QIcon aboutIcon();       // the smiley of the About window

} // namespace numorra::ui
