#include "ui/windows.h"

#include "ui/about_window.h"
#include "ui/board_window.h"
#include "ui/placement.h"

#include <QCoreApplication>
#include <QEvent>

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
    window->hide();
    // The unload may come from one of the window's own handlers.
    window->deleteLater();
}

void Windows::show(Level level)
{
    BoardWindow* window = windows_.at(slot(level));
    if (window == nullptr) {
        throw std::logic_error("show asked for a board window that is not loaded");
    }
    present(*window);
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
        about_ = new AboutWindow;
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
        about->hide();
        about->deleteLater();
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
        services_.endProgram();
    }
}

} // namespace numorra::ui
