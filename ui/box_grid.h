#pragma once

#include "board/board.h"

#include <QObject>

#include <array>

class QWidget;

namespace numorra::ui {

class ControlBuilder;
class FaceButton;

// The 40 boxes of a board window: their buttons, placed and named by their
// grid place and chained into the window's tab order; what a screen reader
// hears of each; and the arrow keys, which move the focus across the grid
// by rows and columns.
class BoxGrid final : public QObject {
    Q_OBJECT

public:
    BoxGrid(QWidget& client, ControlBuilder& builder);

    // The box at index `box` in box order.
    FaceButton& at(int box) const;
    // The box the Tab key reaches first.
    FaceButton& firstInTabOrder() const;
    // Tells a screen reader what each box is as the board stands: opened or
    // not and, during a game, the target; never its number.
    void describe(const Board& board) const;
    void describe(const Board& board, int box) const;

signals:
    void clicked(int box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False when `from` is not a box: the key is then the button's own.
    bool moveFocus(QObject* from, int key) const;

    std::array<FaceButton*, kBoxCount> boxes_{};
};

} // namespace numorra::ui
