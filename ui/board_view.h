#pragma once

#include "board/board.h"

#include <chrono>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace numorra::ui {

class BoxGrid;

// The widgets that show a board's controls, kept by type as they are built.
struct BoardWidgets {
    QLabel& label3;         // the heading "Time Remaing"
    QLineEdit& text1;       // the seconds left
    QPushButton& command1;  // Start, "Next Number" after a game
    QPushButton& command33; // Stop
    QLabel& label2;         // hidden: the number of the box last opened
    QLabel& label4;         // the heading "Find out this number:"
    QLabel& label1;         // the target
    QLabel& label5;         // the heading "This is your chance number:"
    QLineEdit& text2;       // the chance number
    BoxGrid& boxes;
};

// Shows what a board's controls hold on the window's widgets as they
// change, and runs the window's timer, Timer1, while the board has it
// enabled.
class BoardView final : public BoardObserver {
public:
    // `window` holds the focus and the theme's palette, and owns Timer1; each
    // of its ticks runs `tick`.
    BoardView(const Board& board, BoardWidgets widgets, QWidget& window,
              std::chrono::milliseconds tickInterval, const std::function<void()>& tick);

    void showAll();
    // The theme's button face changed: the boxes that show it with it.
    void showBoxes();
    // The window is being unloaded: no tick may reach its board any more.
    void stopTimer();
    void controlChanged(ControlChange change) override { show(change.control, change.box); }

private:
    void show(Control control, int box = -1);
    void enable(QWidget& control, bool enabled);

    const Board& board_;
    BoardWidgets widgets_;
    QWidget& window_;
    QTimer& timer1_;
};

} // namespace numorra::ui
