#include "ui/board_window.h"

#include "ui/board_face.h"
#include "ui/board_menu.h"
#include "ui/board_view.h"
#include "ui/design_widgets.h"
#include "ui/face_button.h"
#include "ui/grid_keys.h"
#include "ui/handler_guard.h"
#include "ui/icons.h"
#include "ui/qt_text.h"
#include "ui/return_presses.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <string>

namespace numorra::ui {

namespace {

// The name of a menu item's handler: the item's own name and "_Click".
std::string handlerOf(MenuCommand command)
{
    const auto* item = std::ranges::find(boardMenu(), command, &MenuItemDesign::command);
    return std::string(item->name) + "_Click";
}

int firstBoxInTabOrder()
{
    int first = 0;
    for (int box = 1; box < kBoxCount; ++box) {
        if (boxTabIndex(box) < boxTabIndex(first)) {
            first = box;
        }
    }
    return first;
}

} // namespace

BoardWindow::BoardWindow(Board& board, const Services& services)
    : board_(board), messages_(services.messageBox(this)),
      guard_(std::make_unique<HandlerGuard>(*messages_, services.endProgram)),
      commonDialog1_(services.colourPicker(this))
{
    setObjectName(toQString(board_.data().windowName));
    setWindowTitle(toQString(kBoardCaption));
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(kBoardClient.toPixels().size());
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(services.tickInterval);
    timer1_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, &BoardWindow::Timer1_Timer);

    controls_ = std::make_unique<DesignWidgets>(boardControls(), *client_);
    command1_ = &controls_->get<QPushButton>("Command1");
    command33_ = &controls_->get<QPushButton>("Command33");
    // Alt+G belongs to the Game menu; Stop has F4 of its own.
    command33_->setShortcut(QKeySequence());
    buildBoxes(*controls_);
    controls_->applyTabOrder();
    nameControls(*controls_);
    menu_ = new BoardMenu(*menuBar(), level());
    connect(menu_, &BoardMenu::chosen, this, &BoardWindow::run);
    connectButtons();
    new GridKeys(boxes_, this);
    auto* returnPresses = new ReturnPresses(this);
    for (QPushButton* button : client_->findChildren<QPushButton*>()) {
        returnPresses->watch(*button);
    }

    face_ = std::make_unique<BoardFace>(*this, *client_, *controls_);
    view_ = std::make_unique<BoardView>(
        board_,
        BoardWidgets{controls_->get<QLabel>("Label1"), controls_->get<QLabel>("Label2"),
                     controls_->get<QLabel>("Label4"), controls_->get<QLineEdit>("Text1"),
                     controls_->get<QLineEdit>("Text2"), *command1_, *command33_, boxes_, *timer1_},
        *this);
    board_.load(*view_, *messages_);
    attached_ = true;
    view_->showAll();
    face_->paint(kFreshColour);
    command1_->setFocus();
}

BoardWindow::~BoardWindow()
{
    tearDown();
}

Colour BoardWindow::backgroundColour() const
{
    return face_->colour();
}

void BoardWindow::tearDown()
{
    timer1_->stop();
    if (attached_) {
        attached_ = false;
        board_.unload();
    }
}

void BoardWindow::buildBoxes(DesignWidgets& controls)
{
    for (int box = 0; box < kBoxCount; ++box) {
        const BoxPlace& place = kBoxPlaces.at(boxIndex(box));
        auto* button = new FaceButton(client_);
        button->setObjectName(toQString(place.name));
        button->setGeometry(boxPlace(box).toPixels());
        button->setAccessibleName(
            QStringLiteral("Box, row %1, column %2").arg(place.row).arg(place.column));
        boxes_.at(boxIndex(box)) = button;
        controls.addToTabOrder(boxTabIndex(box), *button);
    }
}

void BoardWindow::nameControls(const DesignWidgets& controls)
{
    // The counters are read with the headings beside them on screen.
    auto& text1 = controls.get<QLineEdit>("Text1");
    auto& text2 = controls.get<QLineEdit>("Text2");
    auto& label5 = controls.get<QLabel>("Label5");
    controls.get<QLabel>("Label3").setBuddy(&text1);
    controls.get<QLabel>("Label4").setBuddy(&controls.get<QLabel>("Label1"));
    label5.setBuddy(&text2);
    // Spelt out, as a screen reader would stumble over the heading's own.
    text1.setAccessibleName(QStringLiteral("Time remaining, in seconds"));
    text2.setAccessibleName(label5.text().chopped(1));
    command1_->setAccessibleDescription(QStringLiteral("Starts a game (F2)"));
    command33_->setAccessibleDescription(QStringLiteral("Stops the game (F4)"));
}

void BoardWindow::connectButtons()
{
    connect(command1_, &QPushButton::clicked, this,
            [this] { handle("Command1_Click", [this] { board_.Command1_Click(); }); });
    connect(command33_, &QPushButton::clicked, this,
            [this] { handle("Command33_Click", [this] { board_.Command33_Click(); }); });
    for (int box = 0; box < kBoxCount; ++box) {
        const std::string name = std::string(kBoxPlaces.at(boxIndex(box)).name) + "_Click";
        connect(boxes_.at(boxIndex(box)), &QPushButton::clicked, this,
                [this, box, name] { handle(name.c_str(), [this, box] { board_.boxClick(box); }); });
    }
}

void BoardWindow::run(MenuCommand command)
{
    handle(handlerOf(command).c_str(), [this, command] {
        switch (command) {
        case MenuCommand::StartGame:
            board_.startgame_Click();
            break;
        case MenuCommand::StopGame:
            board_.stopgame_Click();
            break;
        case MenuCommand::Exit:
            emit exitChosen();
            break;
        case MenuCommand::Easy:
        case MenuCommand::Medium:
        case MenuCommand::Hard:
            emit levelChosen(*levelOf(command));
            break;
        case MenuCommand::DefaultColour:
            face_->paint(kFreshColour);
            break;
        case MenuCommand::CustomColours:
            customcolors_Click();
            break;
        case MenuCommand::HowToPlay:
            howtoplay_Click();
            break;
        case MenuCommand::About:
            emit aboutChosen();
            break;
        case MenuCommand::None:
            break;
        }
    });
}

void BoardWindow::Timer1_Timer()
{
    handle("Timer1_Timer", [this] { board_.timerTick(); });
}

void BoardWindow::handle(const char* name, const std::function<void()>& handler)
{
    guard_->run(name, handler);
    settleFocus();
}

void BoardWindow::settleFocus()
{
    // The handler may have unloaded this window.
    if (!attached_) {
        return;
    }
    const QWidget* focused = focusWidget();
    if (focused != nullptr && focused->isEnabled()) {
        return;
    }
    // A game has started: the player goes on to the boxes. A game has
    // ended: Start, now "Next Number", is the one thing left to press.
    if (board_.gameInProgress()) {
        boxes_.at(boxIndex(firstBoxInTabOrder()))->setFocus(Qt::TabFocusReason);
    } else {
        command1_->setFocus(Qt::TabFocusReason);
    }
}

void BoardWindow::customcolors_Click()
{
    menu_->markCustomColours();
    commonDialog1_->open(face_->colour());
    face_->paint(commonDialog1_->colour());
}

void BoardWindow::howtoplay_Click()
{
    messages_->show({board_.data().helpText(), "Help", MessageStyle::Information});
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void BoardWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A new desktop theme brings a new button face: repaint what shows it.
    if (event->type() == QEvent::PaletteChange && attached_) {
        face_->repaint();
        view_->showBoxes();
    }
}

} // namespace numorra::ui
