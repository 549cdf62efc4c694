#include "ui/windows.h"

#include "ui/about_window.h"
#include "ui/board_window.h"
#include "ui/placement.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <stdexcept>
#include <utility>

namespace numorra::ui {

namespace {

// Show: visible and active, modeless; centred when it comes on screen.
void present(QWidget& window)
{
    if (!window.isVisible()) {
        centreOnScreen(window);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

Windows::Windows(Services services) : services_(std::move(services))
{
    if (services_.random == nullptr || !services_.messageBox || !services_.colourPicker ||
        !services_.endProgram) {
        throw std::invalid_argument("the windows need every service");
    }
}

Windows::~Windows()
{
    for (BoardWindow*& window : windows_) {
        delete std::exchange(window, nullptr);
    }
    delete std::exchange(about_, nullptr);
    for (const QPointer<QWidget>& window : leaving_) {
        delete window.data();
    }
    // Windows unloaded by an event go once the event loop gets to them;
    // when the loop has ended they go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::size_t Windows::slot(Level level)
{
    return static_cast<std::size_t>(level);
}

void Windows::load(Level level)
{
    if (windows_.at(slot(level)) != nullptr) {
        return;
    }
    std::unique_ptr<Board>& board = boards_.at(slot(level));
    if (!board) {
        board = std::make_unique<Board>(level, *services_.random);
    }
    auto* window = new BoardWindow(*board, services_);
    windows_.at(slot(level)) = window;
    connect(window, &BoardWindow::levelChosen, this,
            [this, level](Level to) { switchLevel(level, to); });
    connect(window, &BoardWindow::exitChosen, this, &Windows::exitProgram);
    connect(window, &BoardWindow::aboutChosen, this, [this] {
        loadAbout();
        showAbout();
    });
    connect(window, &BoardWindow::closed, this, [this, level] { unload(level); });
}

void Windows::unload(Level level)
{
    release(level);
    endWhenNothingIsLeft();
}

void Windows::release(Level level)
{
    BoardWindow* window = std::exchange(windows_.at(slot(level)), nullptr);
    if (window == nullptr) {
        return;
    }
    window->tearDown();
    unloadQuietly(*window);
}

void Windows::unloadQuietly(QWidget& window)
{
    // Hiding a window would tell a screen reader, control by control, that
    // each is no longer showing; by the time it asks about them they are
    // gone, and it works through a run of events from defunct objects. The
    // controls leave quietly instead: what the window system tells of the
    // window itself says enough.
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler([](QAccessibleEvent* /*event*/) {});
    window.hide();
    QAccessible::installUpdateHandler(previous);
    // The window is destroyed a moment later, not at once: the unload may
    // come from one of its own handlers, and a screen reader may still ask
    // about what the window told it last (the focus coming back to it as its
    // menu closed).
    std::erase_if(leaving_, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
    leaving_.emplace_back(&window);
    if (services_.unloadGrace.count() == 0) {
        window.deleteLater();
    } else {
        QTimer::singleShot(services_.unloadGrace, &window, &QObject::deleteLater);
    }
}

void Windows::show(Level level)
{
    BoardWindow* window = windows_.at(slot(level));
    if (window == nullptr) {
        throw std::logic_error("show asked for a board window that is not loaded");
    }
    present(*window);
}

void Windows::start()
{
    load(Level::Easy);
    show(Level::Easy);
}

void Windows::switchLevel(Level from, Level to)
{
    release(from);
    load(to);
    show(to);
}

void Windows::loadAbout()
{
    if (about_ == nullptr) {
        about_ = new AboutWindow(services_);
        connect(about_, &AboutWindow::closed, this, &Windows::unloadAbout);
    }
}

void Windows::unloadAbout()
{
    releaseAbout();
    endWhenNothingIsLeft();
}

void Windows::releaseAbout()
{
    AboutWindow* about = std::exchange(about_, nullptr);
    if (about != nullptr) {
        unloadQuietly(*about);
    }
}

void Windows::showAbout()
{
    if (about_ == nullptr) {
        throw std::logic_error("show asked for the About window while it is not loaded");
    }
    present(*about_);
}

void Windows::exitProgram()
{
    for (const Level level : kLevels) {
        release(level);
    }
    releaseAbout();
    endProgram();
}

BoardWindow* Windows::boardWindow(Level level) const
{
    return windows_.at(slot(level));
}

const Board* Windows::board(Level level) const
{
    return boards_.at(slot(level)).get();
}

void Windows::endWhenNothingIsLeft()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            const bool boardLeft =
                std::any_of(windows_.begin(), windows_.end(), [](auto* w) { return w != nullptr; });
            if (!boardLeft && about_ == nullptr) {
                endProgram();
            }
        },
        Qt::QueuedConnection);
}

void Windows::endProgram()
{
    if (!ended_) {
        ended_ = true;
        services_.endProgram(0);
    }
}

} // namespace numorra::ui
