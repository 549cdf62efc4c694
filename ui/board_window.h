#pragma once

#include "board/board.h"
#include "ui/colour_picker.h"
#include "ui/services.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

class QPushButton;

namespace numorra::ui {

class BoardFace;
class BoardMenu;
class BoardView;
class BoxGrid;
class HandlerGuard;
struct BoardWidgets;
struct MenuItem;

// The board window of one level, built from the design each time it is
// loaded: it puts the controls, the boxes, the menu, the view of the board
// and the face together, runs each event through its board or its own
// handlers, and keeps the focus where the player can use it. What concerns
// the other windows it says through its signals.
class BoardWindow final : public QMainWindow {
    Q_OBJECT

public:
    BoardWindow(Board& board, const Services& services);
    ~BoardWindow() override;
    BoardWindow(const BoardWindow&) = delete;
    BoardWindow& operator=(const BoardWindow&) = delete;
    BoardWindow(BoardWindow&&) = delete;
    BoardWindow& operator=(BoardWindow&&) = delete;

    Level level() const { return board_.level(); }
    Colour backgroundColour() const;

    // Stops the timer and lets go of the board: the window is being unloaded.
    void tearDown();

signals:
    void levelChosen(Level level);
    void exitChosen();
    void aboutChosen();
    // The player closed the window with its close box.
    void closed();

public slots:
    // A tick of Timer1.
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The menu tree, one row an item, each with what it does.
    static std::span<const MenuItem> menuItems();
    // The shortcut key of the menu item of that name, as a screen reader says it.
    static QString shortcutOf(std::string_view item);

    void describeControls(const BoardWidgets& widgets);
    void connectButtons(const BoardWidgets& widgets);

    // Runs one of the window's event handlers, then leaves the focus on
    // something the player can use.
    void handle(const std::string& name, const std::function<void()>& handler);
    void settleFocus();
    void run(const MenuItem& item);

    void startgame_Click();
    void stopgame_Click();
    void exit_Click();
    void default_Click();
    void customcolors_Click();
    void howtoplay_Click();
    void about_Click();

    Board& board_;
    std::unique_ptr<MessageBox> messages_;
    std::unique_ptr<HandlerGuard> guard_;
    std::unique_ptr<ColourPicker> commonDialog1_;

    QWidget* client_ = nullptr;
    QPushButton* command1_ = nullptr;
    BoxGrid* boxes_ = nullptr;
    BoardMenu* menu_ = nullptr;
    std::unique_ptr<BoardFace> face_;
    std::unique_ptr<BoardView> view_;
    bool attached_ = false;
};

} // namespace numorra::ui
