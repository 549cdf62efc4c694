#pragma once

#include "board/board.h"
#include "ui/services.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <memory>
#include <vector>

namespace numorra::ui {

class AboutWindow;
class BoardWindow;

// The window instances of the program: one per board window and one for
// the About window, each made the first time it is needed. The board state
// lives here, so it outlasts its window's unload. This is the one place
// that owns windows.
class Windows final : public QObject {
    Q_OBJECT

public:
    explicit Windows(Services services);
    ~Windows() override;
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;
    Windows(Windows&&) = delete;
    Windows& operator=(Windows&&) = delete;

    // Builds the board window from its design; nothing if it is loaded.
    void load(Level level);
    // Destroys the window and its controls; the board state stays.
    void unload(Level level);
    // Makes a loaded window visible and active, centred as its design asks.
    void show(Level level);
    // The program's start: the Easy board, loaded and shown.
    void start();
    // The level items: away from `from`, on to `to` (possibly the same).
    void switchLevel(Level from, Level to);

    void loadAbout();
    void unloadAbout();
    void showAbout();

    // Exit: every window goes, and the program ends at once.
    void exitProgram();

    BoardWindow* boardWindow(Level level) const;
    AboutWindow* aboutWindow() const { return about_; }
    const Board* board(Level level) const;

private:
    static std::size_t slot(Level level);
    void release(Level level);
    void releaseAbout();
    void unloadQuietly(QWidget& window);
    // The program ends when nothing is on screen once the event that is
    // being handled has finished: a level switch puts a window back first.
    void endWhenNothingIsLeft();
    void endProgram();

    Services services_;
    std::array<std::unique_ptr<Board>, kLevels.size()> boards_;
    std::array<BoardWindow*, kLevels.size()> windows_{};
    AboutWindow* about_ = nullptr;
    // Windows unloaded, hidden, and about to be destroyed.
    std::vector<QPointer<QWidget>> leaving_;
    bool ended_ = false;
};

} // namespace numorra::ui
