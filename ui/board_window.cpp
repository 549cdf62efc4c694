#include "ui/board_window.h"

#include "ui/colours.h"
#include "ui/contrast.h"
#include "ui/design.h"
#include "ui/face_button.h"
#include "ui/grid_keys.h"
#include "ui/handler_guard.h"
#include "ui/icons.h"
#include "ui/placement.h"
#include "ui/qt_text.h"
#include "ui/return_presses.h"
#include "ui/windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace numorra::ui {

namespace {

using MenuHandler = void (BoardWindow::*)();

} // namespace

BoardWindow::BoardWindow(Board& board, Windows& windows, const Services& services)
    : board_(board), windows_(windows), messages_(services.messageBox(this)),
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
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(services.tickInterval);
    timer1_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, &BoardWindow::Timer1_Timer);

    buildControls();
    buildBoxes();
    buildMenu();
    buildTabOrder();
    nameControls();
    connectHandlers();
    new GridKeys(boxes_, this);
    auto* returnPresses = new ReturnPresses(this);
    for (QPushButton* button : client_->findChildren<QPushButton*>()) {
        returnPresses->watch(*button);
    }

    board_.load(*this, *messages_);
    attached_ = true;
    mirrorAll();
    setBackgroundColour(kFreshColour);
    command1_->setFocus();
}

BoardWindow::~BoardWindow()
{
    tearDown();
}

void BoardWindow::tearDown()
{
    timer1_->stop();
    if (attached_) {
        attached_ = false;
        board_.unload();
    }
}

void BoardWindow::buildControls()
{
    for (const ControlDesign& design : boardControls()) {
        QWidget* widget = nullptr;
        switch (design.kind) {
        case ControlKind::Label: {
            widget = new QLabel(toQString(design.text), client_);
            break;
        }
        case ControlKind::TextBox:
            widget = new QLineEdit(client_);
            break;
        case ControlKind::Button:
            widget = new QPushButton(toQString(design.text), client_);
            break;
        case ControlKind::Image:
            throw std::logic_error("a board window has no image");
        }
        applyDesign(*widget, design);
    }
    label1_ = client_->findChild<QLabel*>(QStringLiteral("Label1"));
    label2_ = client_->findChild<QLabel*>(QStringLiteral("Label2"));
    label4_ = client_->findChild<QLabel*>(QStringLiteral("Label4"));
    text1_ = client_->findChild<QLineEdit*>(QStringLiteral("Text1"));
    text2_ = client_->findChild<QLineEdit*>(QStringLiteral("Text2"));
    command1_ = client_->findChild<QPushButton*>(QStringLiteral("Command1"));
    command33_ = client_->findChild<QPushButton*>(QStringLiteral("Command33"));
    // Alt+G belongs to the Game menu; Stop has F4 of its own.
    command33_->setShortcut(QKeySequence());
}

void BoardWindow::buildBoxes()
{
    for (int box = 0; box < kBoxCount; ++box) {
        auto* button = new FaceButton(client_);
        button->setObjectName(toQString(kBoxPlaces.at(static_cast<std::size_t>(box)).name));
        button->setGeometry(boxPlace(box).toPixels());
        const BoxPlace& place = kBoxPlaces.at(static_cast<std::size_t>(box));
        button->setAccessibleName(tr("Box, row %1, column %2").arg(place.row).arg(place.column));
        boxes_.at(static_cast<std::size_t>(box)) = button;
    }
}

void BoardWindow::buildMenu()
{
    std::map<std::string_view, QMenu*> menus;
    const auto isParent = [](std::string_view name) {
        return std::ranges::any_of(
            boardMenu(), [name](const MenuItemDesign& item) { return item.parent == name; });
    };
    for (const MenuItemDesign& item : boardMenu()) {
        QMenu* parent = item.parent.empty() ? nullptr : menus.at(item.parent);
        if (isParent(item.name)) {
            QMenu* menu = parent == nullptr ? menuBar()->addMenu(toQString(item.caption))
                                            : parent->addMenu(toQString(item.caption));
            menu->setObjectName(toQString(item.name));
            menus.emplace(item.name, menu);
            continue;
        }
        QAction* action = parent->addAction(toQString(item.caption));
        action->setObjectName(toQString(item.name));
        if (!item.shortcut.empty()) {
            action->setShortcut(QKeySequence(toQString(item.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setCheckable(item.mark != MenuMark::None);
        action->setChecked(item.mark == MenuMark::On ||
                           (item.mark == MenuMark::OwnLevel && item.level == level()));
    }
    default_ = findChild<QAction*>(QStringLiteral("default"));
    customcolors_ = findChild<QAction*>(QStringLiteral("customcolors"));
}

void BoardWindow::buildTabOrder()
{
    std::map<int, QWidget*> byIndex;
    for (const ControlDesign& design : boardControls()) {
        if (design.kind != ControlKind::Label) {
            byIndex.emplace(design.tabIndex, client_->findChild<QWidget*>(toQString(design.name)));
        }
    }
    for (int box = 0; box < kBoxCount; ++box) {
        byIndex.emplace(boxTabIndex(box), boxes_.at(static_cast<std::size_t>(box)));
    }
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : byIndex) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void BoardWindow::nameControls()
{
    // The counters are read with the headings beside them on screen.
    auto* label3 = client_->findChild<QLabel*>(QStringLiteral("Label3"));
    auto* label5 = client_->findChild<QLabel*>(QStringLiteral("Label5"));
    label3->setBuddy(text1_);
    label4_->setBuddy(label1_);
    label5->setBuddy(text2_);
    // Spelt out, as a screen reader would stumble over the heading's own.
    text1_->setAccessibleName(tr("Time remaining, in seconds"));
    text2_->setAccessibleName(label5->text().chopped(1));
    command1_->setAccessibleDescription(tr("Starts a game (F2)"));
    command33_->setAccessibleDescription(tr("Stops the game (F4)"));
}

void BoardWindow::connectHandlers()
{
    connect(command1_, &QPushButton::clicked, this,
            [this] { handle("Command1_Click", [this] { board_.Command1_Click(); }); });
    connect(command33_, &QPushButton::clicked, this,
            [this] { handle("Command33_Click", [this] { board_.Command33_Click(); }); });
    for (int box = 0; box < kBoxCount; ++box) {
        connect(boxes_.at(static_cast<std::size_t>(box)), &QPushButton::clicked, this,
                [this, box] { boxClick(box); });
    }

    const std::map<std::string_view, MenuHandler> handlers{
        {"startgame", &BoardWindow::startgame_Click},
        {"stopgame", &BoardWindow::stopgame_Click},
        {"exit", &BoardWindow::exit_Click},
        {"easy", &BoardWindow::easy_Click},
        {"medium", &BoardWindow::medium_Click},
        {"hard", &BoardWindow::hard_Click},
        {"default", &BoardWindow::default_Click},
        {"customcolors", &BoardWindow::customcolors_Click},
        {"howtoplay", &BoardWindow::howtoplay_Click},
        {"about", &BoardWindow::about_Click},
    };
    for (const auto& entry : handlers) {
        const std::string_view name = entry.first;
        const MenuHandler handler = entry.second;
        auto* action = findChild<QAction*>(toQString(name));
        const std::string handlerName = std::string(name) + "_Click";
        connect(action, &QAction::triggered, this, [this, handler, handlerName] {
            // A click toggles a checkable item by itself; the marks are the
            // window's to set.
            showMarks();
            handle(handlerName.c_str(), [this, handler] { (this->*handler)(); });
        });
    }
}

void BoardWindow::Timer1_Timer()
{
    handle("Timer1_Timer", [this] { board_.timerTick(); });
}

void BoardWindow::handle(const char* name, const std::function<void()>& handler)
{
    runHandler(name, handler);
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
        boxes_.at(static_cast<std::size_t>(firstBoxInTabOrder()))->setFocus(Qt::TabFocusReason);
    } else {
        command1_->setFocus(Qt::TabFocusReason);
    }
}

int BoardWindow::firstBoxInTabOrder()
{
    int first = 0;
    for (int box = 1; box < kBoxCount; ++box) {
        if (boxTabIndex(box) < boxTabIndex(first)) {
            first = box;
        }
    }
    return first;
}

void BoardWindow::boxClick(int box)
{
    const std::string name =
        std::string(kBoxPlaces.at(static_cast<std::size_t>(box)).name) + "_Click";
    handle(name.c_str(), [this, box] { board_.boxClick(box); });
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
    windows_.exitProgram();
}

void BoardWindow::easy_Click()
{
    windows_.switchLevel(level(), Level::Easy);
}

void BoardWindow::medium_Click()
{
    windows_.switchLevel(level(), Level::Medium);
}

void BoardWindow::hard_Click()
{
    windows_.switchLevel(level(), Level::Hard);
}

void BoardWindow::default_Click()
{
    setBackgroundColour(kFreshColour);
}

void BoardWindow::customcolors_Click()
{
    defaultMarked_ = false;
    customMarked_ = true;
    showMarks();
    commonDialog1_->open(background_);
    setBackgroundColour(commonDialog1_->colour());
}

void BoardWindow::howtoplay_Click()
{
    messages_->show({board_.data().helpText(), "Help", MessageStyle::Information});
}

void BoardWindow::about_Click()
{
    windows_.loadAbout();
    windows_.showAbout();
}

void BoardWindow::showMarks()
{
    for (const MenuItemDesign& item : boardMenu()) {
        if (item.mark == MenuMark::OwnLevel) {
            findChild<QAction*>(toQString(item.name))->setChecked(item.level == level());
        }
    }
    default_->setChecked(defaultMarked_);
    customcolors_->setChecked(customMarked_);
}

void BoardWindow::setBackgroundColour(Colour colour)
{
    background_ = colour;
    // The face comes from the theme or the player, the labels' text from the
    // theme or the design; where the two would not be readable together,
    // the text gives way, and only as far as it must. The theme's text role
    // is overridden only where it must change: a palette that sets it made
    // the toolkit keep about 20 KiB more with every window loaded.
    const QColor face = toQColor(colour, palette());
    const QColor themeText = palette().color(QPalette::WindowText);
    QPalette clientPalette = palette();
    clientPalette.setColor(QPalette::Window, face);
    if (const QColor text = readableOn(themeText, face); text != themeText) {
        clientPalette.setColor(QPalette::WindowText, text);
    }
    client_->setPalette(clientPalette);
    for (const ControlDesign& design : boardControls()) {
        if (design.textColour) {
            auto* label = client_->findChild<QLabel*>(toQString(design.name));
            QPalette own = label->palette();
            own.setColor(QPalette::WindowText,
                         readableOn(toQColor(*design.textColour, palette()), face));
            label->setPalette(own);
        }
    }
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    windows_.unload(level());
}

void BoardWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A new desktop theme brings a new button face: repaint what shows it.
    if (event->type() == QEvent::PaletteChange && attached_) {
        setBackgroundColour(background_);
        for (int box = 0; box < kBoxCount; ++box) {
            mirror(Control::Box, box);
        }
    }
}

void BoardWindow::controlChanged(ControlChange change)
{
    mirror(change.control, change.box);
}

void BoardWindow::mirrorAll()
{
    for (const Control control : {Control::Label1, Control::Label2, Control::Text1, Control::Text2,
                                  Control::Timer1, Control::Command1, Control::Command33}) {
        mirror(control);
    }
    for (int box = 0; box < kBoxCount; ++box) {
        mirror(Control::Box, box);
    }
}

void BoardWindow::mirror(Control control, int box)
{
    const BoardControls& state = board_.controls();
    switch (control) {
    case Control::Label1:
        label1_->setText(QString::fromStdString(state.label1Caption));
        label1_->adjustSize();
        describeBoxes();
        break;
    case Control::Label2:
        label2_->setText(QString::fromStdString(state.label2Caption));
        label2_->adjustSize();
        break;
    case Control::Text1:
        text1_->setText(QString::fromStdString(state.text1Text));
        text1_->setEnabled(state.text1Enabled);
        break;
    case Control::Text2:
        text2_->setText(QString::fromStdString(state.text2Text));
        text2_->setEnabled(state.text2Enabled);
        break;
    case Control::Timer1:
        if (!state.timer1Enabled) {
            timer1_->stop();
        } else if (!timer1_->isActive()) {
            timer1_->start();
        }
        describeBoxes();
        break;
    case Control::Command1:
        command1_->setText(QString::fromStdString(state.command1Caption));
        enable(command1_, state.command1Enabled);
        break;
    case Control::Command33:
        enable(command33_, state.command33Enabled);
        break;
    case Control::Box: {
        FaceButton* button = boxes_.at(static_cast<std::size_t>(box));
        enable(button, state.box(box).enabled);
        button->setFaceColour(toQColor(state.box(box).colour, palette()));
        describeBox(box);
        break;
    }
    }
}

void BoardWindow::enable(QWidget* control, bool enabled)
{
    // Disabling the focused control would send the focus on along the tab
    // order, through every box the board lock is about to disable, and a
    // screen reader would read each. It is let go instead; settleFocus()
    // places it once the handler has finished.
    if (!enabled && focusWidget() == control) {
        control->clearFocus();
    }
    control->setEnabled(enabled);
}

void BoardWindow::describeBoxes()
{
    for (int box = 0; box < kBoxCount; ++box) {
        describeBox(box);
    }
}

void BoardWindow::describeBox(int box)
{
    FaceButton* button = boxes_.at(static_cast<std::size_t>(box));
    QString description = board_.controls().box(box).colour == kOpenedColour
                              ? tr("Opened in this game")
                              : tr("Not opened");
    // A player who cannot see the board hears the target wherever the
    // focus is during a game, starting with the box a start moves it to.
    if (board_.gameInProgress()) {
        description += QStringLiteral(". ") + label4_->text() + QLatin1Char(' ') + label1_->text();
    }
    // Each change is an event a screen reader must work through: a flood of
    // unchanged ones kept Orca minutes behind the game.
    if (description != button->accessibleDescription()) {
        button->setAccessibleDescription(description);
    }
}

} // namespace numorra::ui
