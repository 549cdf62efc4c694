#include "ui/board_window.h"

#include "ui/board_face.h"
#include "ui/board_menu.h"
#include "ui/board_view.h"
#include "ui/box_grid.h"
#include "ui/control_builder.h"
#include "ui/face_button.h"
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

#include <algorithm>
#include <array>
#include <stdexcept>

namespace numorra::ui {

std::span<const MenuItem> BoardWindow::menuItems()
{
    // Menu texts are the game's own words and keep its own spelling,
    // "&Backgound Colors" among them. A leaf's handler is named for it: the
    // item's name and "_Click".
    static constexpr auto kItems = std::to_array<MenuItem>({
        {"game", "", "&Game", "", MenuMark::None, {}},
        {"startgame", "game", "Start Game", "F2", MenuMark::None, &BoardWindow::startgame_Click},
        {"stopgame", "game", "Stop Game", "F4", MenuMark::None, &BoardWindow::stopgame_Click},
        {"exit", "game", "&Exit", "", MenuMark::None, &BoardWindow::exit_Click},
        {"options", "", "&Options", "", MenuMark::None, {}},
        {"levels", "options", "&Levels", "", MenuMark::None, {}},
        {"easy", "levels", "Easy", "", MenuMark::OwnLevel, Level::Easy},
        {"medium", "levels", "Medium", "", MenuMark::OwnLevel, Level::Medium},
        {"hard", "levels", "Hard", "", MenuMark::OwnLevel, Level::Hard},
        {"backgroundcolors", "options", "&Backgound Colors", "", MenuMark::None, {}},
        {"default", "backgroundcolors", "Default", "", MenuMark::UntilCustomColours,
         &BoardWindow::default_Click},
        {"customcolors", "backgroundcolors", "Custom Colors", "", MenuMark::FromCustomColours,
         &BoardWindow::customcolors_Click},
        {"help", "", "&Help", "", MenuMark::None, {}},
        {"howtoplay", "help", "How To Play ?", "", MenuMark::None, &BoardWindow::howtoplay_Click},
        {"about", "help", "About", "", MenuMark::None, &BoardWindow::about_Click},
    });
    return kItems;
}

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

    ControlBuilder build(*client_);
    const BoardDesign& design = boardDesign();
    const BoardWidgets widgets{
        build.label(design.label3),     build.textBox(design.text1), build.button(design.command1),
        build.button(design.command33), build.label(design.label2),  build.label(design.label4),
        build.label(design.label1),     build.label(design.label5),  build.textBox(design.text2),
        *new BoxGrid(*client_, build),
    };
    command1_ = &widgets.command1;
    boxes_ = &widgets.boxes;
    // Alt+G belongs to the Game menu; Stop has F4 of its own.
    widgets.command33.setShortcut(QKeySequence());
    build.applyTabOrder();
    describeControls(widgets);
    menu_ = new BoardMenu(*menuBar(), menuItems(), level(),
                          [this](const MenuItem& item) { run(item); });
    connectButtons(widgets);
    auto* returnPresses = new ReturnPresses(this);
    for (QPushButton* button : client_->findChildren<QPushButton*>()) {
        returnPresses->watch(*button);
    }

    face_ = std::make_unique<BoardFace>(*this, *client_, build.colouredLabels());
    view_ = std::make_unique<BoardView>(board_, widgets, *this, services.tickInterval,
                                        [this] { Timer1_Timer(); });
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
    view_->stopTimer();
    if (attached_) {
        attached_ = false;
        board_.unload();
    }
}

void BoardWindow::describeControls(const BoardWidgets& widgets)
{
    // The counters are read with the headings beside them on screen.
    widgets.label3.setBuddy(&widgets.text1);
    widgets.label4.setBuddy(&widgets.label1);
    widgets.label5.setBuddy(&widgets.text2);
    // Spelt out, as a screen reader would stumble over the heading's own.
    widgets.text1.setAccessibleName(QStringLiteral("Time remaining, in seconds"));
    widgets.text2.setAccessibleName(widgets.label5.text().chopped(1));
    // Start and Stop say the keys of the menu items that do the same.
    widgets.command1.setAccessibleDescription(
        QStringLiteral("Starts a game (%1)").arg(shortcutOf("startgame")));
    widgets.command33.setAccessibleDescription(
        QStringLiteral("Stops the game (%1)").arg(shortcutOf("stopgame")));
}

QString BoardWindow::shortcutOf(std::string_view item)
{
    const auto rows = menuItems();
    const auto row = std::ranges::find(rows, item, &MenuItem::name);
    if (row == rows.end()) {
        throw std::logic_error("the menu has no item " + std::string(item));
    }
    return toQString(row->shortcut);
}

void BoardWindow::connectButtons(const BoardWidgets& widgets)
{
    connect(&widgets.command1, &QPushButton::clicked, this,
            [this] { handle("Command1_Click", [this] { board_.Command1_Click(); }); });
    connect(&widgets.command33, &QPushButton::clicked, this,
            [this] { handle("Command33_Click", [this] { board_.Command33_Click(); }); });
    connect(boxes_, &BoxGrid::clicked, this, [this](int box) {
        handle(std::string(kBoxPlaces.at(boxIndex(box)).name) + "_Click",
               [this, box] { board_.boxClick(box); });
    });
}

void BoardWindow::run(const MenuItem& item)
{
    handle(std::string(item.name) + "_Click", [this, &item] {
        if (const auto* handler = std::get_if<void (BoardWindow::*)()>(&item.action)) {
            (this->**handler)();
        } else if (const auto* level = std::get_if<Level>(&item.action)) {
            emit levelChosen(*level);
        }
    });
}

void BoardWindow::startgame_Click()
{
    board_.startgame_Click();
}

void BoardWindow::stopgame_Click()
{
    board_.stopgame_Click();
}

void BoardWindow::exit_Click()
{
    emit exitChosen();
}

void BoardWindow::default_Click()
{
    face_->paint(kFreshColour);
}

void BoardWindow::about_Click()
{
    emit aboutChosen();
}

void BoardWindow::Timer1_Timer()
{
    handle("Timer1_Timer", [this] { board_.Timer1_Timer(); });
}

void BoardWindow::handle(const std::string& name, const std::function<void()>& handler)
{
    guard_->run(name.c_str(), handler);
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
        boxes_->firstInTabOrder().setFocus(Qt::TabFocusReason);
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
