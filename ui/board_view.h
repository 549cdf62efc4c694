#pragma once

#include "board/board.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace numorra::ui {

class FaceButton;

// The widgets that show a board's controls.
struct BoardWidgets {
    QLabel& label1;
    QLabel& label2;
    QLabel& label4;
    QLineEdit& text1;
    QLineEdit& text2;
    QPushButton& command1;
    QPushButton& command33;
    std::array<FaceButton*, kBoxCount> boxes;
    QTimer& timer1;
};

// Shows what a board's controls hold on the window's widgets as they
// change, and tells a screen reader what each box is: never its number.
class BoardView final : public BoardObserver {
public:
    // `window` holds the focus and the theme's palette.
    BoardView(const Board& board, BoardWidgets widgets, QWidget& window);

    void showAll();
    // The theme's button face changed: the boxes that show it with it.
    void showBoxes();
    void controlChanged(ControlChange change) override { show(change.control, change.box); }

private:
    void show(Control control, int box = -1);
    void enable(QWidget& control, bool enabled);
    void describeBoxes();
    void describeBox(int box);

    const Board& board_;
    BoardWidgets widgets_;
    QWidget& window_;
};

} // namespace numorra::ui
