#pragma once

#include "board/board.h"
#include "ui/colour_picker.h"
#include "ui/design.h"
#include "ui/services.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QPushButton;
class QTimer;

namespace numorra::ui {

class BoardFace;
class BoardMenu;
class BoardView;
class DesignWidgets;
class FaceButton;
class HandlerGuard;

// The board window of one level, built from the design each time it is
// loaded: it puts the controls, the menu, the view of the board and the
// face together, hands each event to its board or its own handlers, and
// keeps the focus where the player can use it. What concerns the other
// windows it says through its signals.
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
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildBoxes(DesignWidgets& controls);
    void nameControls(const DesignWidgets& controls);
    void connectButtons();

    // Runs one of the window's event handlers, then leaves the focus on
    // something the player can use.
    void handle(const char* name, const std::function<void()>& handler);
    void settleFocus();
    void run(MenuCommand command);

    void customcolors_Click();
    void howtoplay_Click();

    Board& board_;
    std::unique_ptr<MessageBox> messages_;
    std::unique_ptr<HandlerGuard> guard_;
    std::unique_ptr<ColourPicker> commonDialog1_;

    QWidget* client_ = nullptr;
    QTimer* timer1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command33_ = nullptr;
    std::array<FaceButton*, kBoxCount> boxes_{};
    BoardMenu* menu_ = nullptr;
    std::unique_ptr<DesignWidgets> controls_;
    std::unique_ptr<BoardFace> face_;
    std::unique_ptr<BoardView> view_;
    bool attached_ = false;
};

} // namespace numorra::ui
