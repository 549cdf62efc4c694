#include "ui/board_view.h"

#include "ui/box_grid.h"
#include "ui/colours.h"
#include "ui/face_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace numorra::ui {

BoardView::BoardView(const Board& board, BoardWidgets widgets, QWidget& window,
                     std::chrono::milliseconds tickInterval, const std::function<void()>& tick)
    : board_(board), widgets_(widgets), window_(window), timer1_(*new QTimer(&window))
{
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(tickInterval);
    timer1_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer1_, &QTimer::timeout, &window, tick);
}

void BoardView::showAll()
{
    for (const Control control : {Control::Label1, Control::Label2, Control::Text1, Control::Text2,
                                  Control::Timer1, Control::Command1, Control::Command33}) {
        show(control);
    }
    showBoxes();
}

void BoardView::showBoxes()
{
    for (int box = 0; box < kBoxCount; ++box) {
        show(Control::Box, box);
    }
}

void BoardView::stopTimer()
{
    timer1_.stop();
}

void BoardView::show(Control control, int box)
{
    const BoardControls& state = board_.controls();
    switch (control) {
    case Control::Label1:
        widgets_.label1.setText(QString::fromStdString(state.label1Caption));
        widgets_.label1.adjustSize();
        widgets_.boxes.describe(board_);
        break;
    case Control::Label2:
        widgets_.label2.setText(QString::fromStdString(state.label2Caption));
        widgets_.label2.adjustSize();
        break;
    case Control::Text1:
        widgets_.text1.setText(QString::fromStdString(state.text1Text));
        widgets_.text1.setEnabled(state.text1Enabled);
        break;
    case Control::Text2:
        widgets_.text2.setText(QString::fromStdString(state.text2Text));
        widgets_.text2.setEnabled(state.text2Enabled);
        break;
    case Control::Timer1:
        if (!state.timer1Enabled) {
            timer1_.stop();
        } else if (!timer1_.isActive()) {
            timer1_.start();
        }
        widgets_.boxes.describe(board_);
        break;
    case Control::Command1:
        widgets_.command1.setText(QString::fromStdString(state.command1Caption));
        enable(widgets_.command1, state.command1Enabled);
        break;
    case Control::Command33:
        enable(widgets_.command33, state.command33Enabled);
        break;
    case Control::Box: {
        FaceButton& button = widgets_.boxes.at(box);
        enable(button, state.box(box).enabled);
        button.setFaceColour(toQColor(state.box(box).colour, window_.palette()));
        widgets_.boxes.describe(board_, box);
        break;
    }
    }
}

void BoardView::enable(QWidget& control, bool enabled)
{
    // Disabling the focused control would send the focus on along the tab
    // order, through every box the board lock is about to disable, and a
    // screen reader would read each. It is let go instead; the window
    // places it once the handler has finished.
    if (!enabled && window_.focusWidget() == &control) {
        control.clearFocus();
    }
    control.setEnabled(enabled);
}

} // namespace numorra::ui
