#pragma once

#include "board/level_table.h"

#include <QObject>

#include <array>

namespace numorra::ui {

class FaceButton;

// Keyboard play on a board: the arrow keys move the focus across the box
// grid by rows and columns.
class GridKeys final : public QObject {
    Q_OBJECT

public:
    // `boxes` in box order.
    GridKeys(const std::array<FaceButton*, kBoxCount>& boxes, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False when `from` is not a box: the key is then the button's own.
    bool moveFocus(QObject* from, int key) const;

    std::array<FaceButton*, kBoxCount> boxes_;
};

} // namespace numorra::ui
