#include "ui/board_view.h"

#include "ui/colours.h"
#include "ui/face_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace numorra::ui {

BoardView::BoardView(const Board& board, BoardWidgets widgets, QWidget& window)
    : board_(board), widgets_(widgets), window_(window)
{
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

void BoardView::show(Control control, int box)
{
    const BoardControls& state = board_.controls();
    switch (control) {
    case Control::Label1:
        widgets_.label1.setText(QString::fromStdString(state.label1Caption));
        widgets_.label1.adjustSize();
        describeBoxes();
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
            widgets_.timer1.stop();
        } else if (!widgets_.timer1.isActive()) {
            widgets_.timer1.start();
        }
        describeBoxes();
        break;
    case Control::Command1:
        widgets_.command1.setText(QString::fromStdString(state.command1Caption));
        enable(widgets_.command1, state.command1Enabled);
        break;
    case Control::Command33:
        enable(widgets_.command33, state.command33Enabled);
        break;
    case Control::Box: {
        FaceButton& button = *widgets_.boxes.at(boxIndex(box));
        enable(button, state.box(box).enabled);
        button.setFaceColour(toQColor(state.box(box).colour, window_.palette()));
        describeBox(box);
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

void BoardView::describeBoxes()
{
    for (int box = 0; box < kBoxCount; ++box) {
        describeBox(box);
    }
}

void BoardView::describeBox(int box)
{
    FaceButton& button = *widgets_.boxes.at(boxIndex(box));
    QString description = board_.controls().box(box).colour == kOpenedColour
                              ? QStringLiteral("Opened in this game")
                              : QStringLiteral("Not opened");
    // A player who cannot see the board hears the target wherever the
    // focus is during a game, starting with the box a start moves it to.
    if (board_.gameInProgress()) {
        description += QStringLiteral(". ") + widgets_.label4.text() + QLatin1Char(' ') +
                       widgets_.label1.text();
    }
    // Each change is an event a screen reader must work through: a flood of
    // unchanged ones kept Orca minutes behind the game.
    if (description != button.accessibleDescription()) {
        button.setAccessibleDescription(description);
    }
}

} // namespace numorra::ui
