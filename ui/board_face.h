#pragma once

#include "board/colour.h"

#include <QColor>

#include <utility>
#include <vector>

class QLabel;
class QWidget;

namespace numorra::ui {

// A board window's background: the theme's button face or the player's own
// colour behind the labels, and the labels' text kept readable on it.
class BoardFace {
public:
    // `window` carries the theme's palette, `client` shows the face;
    // `designColoured` are the labels the design gives a text colour of
    // their own.
    BoardFace(const QWidget& window, QWidget& client,
              std::vector<std::pair<QLabel*, Colour>> designColoured);

    Colour colour() const { return colour_; }
    void paint(Colour colour);
    // The theme changed: its face and text colours with it.
    void repaint() { paint(colour_); }

private:
    const QWidget& window_;
    QWidget& client_;
    std::vector<std::pair<QLabel*, Colour>> designColoured_;
    Colour colour_ = kFreshColour;
};

} // namespace numorra::ui
