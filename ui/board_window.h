#pragma once

#include "board/board.h"
#include "ui/colour_picker.h"
#include "ui/services.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace numorra::ui {

class FaceButton;
class Windows;

// The board window of one level, built from the design each time it is
// loaded. It mirrors its board's controls and hands every event to the
// board or to the window instances.
class BoardWindow final : public QMainWindow, private BoardObserver {
    Q_OBJECT

public:
    BoardWindow(Board& board, Windows& windows, const Services& services);
    ~BoardWindow() override;
    BoardWindow(const BoardWindow&) = delete;
    BoardWindow& operator=(const BoardWindow&) = delete;
    BoardWindow(BoardWindow&&) = delete;
    BoardWindow& operator=(BoardWindow&&) = delete;

    Level level() const { return board_.level(); }
    Colour backgroundColour() const { return background_; }

    // Stops the timer and lets go of the board: the window is being unloaded.
    void tearDown();

public slots:
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void controlChanged(ControlChange change) override;
    void mirror(Control control, int box = -1);
    void mirrorAll();

    void buildControls();
    void buildBoxes();
    void buildMenu();
    void buildTabOrder();
    void nameControls();
    void connectHandlers();

    // Runs one of the window's event handlers, then leaves the focus on
    // something the player can use.
    void handle(const char* name, const std::function<void()>& handler);
    void settleFocus();
    static int firstBoxInTabOrder();

    void boxClick(int box);
    void startgame_Click();
    void stopgame_Click();
    void exit_Click();
    void easy_Click();
    void medium_Click();
    void hard_Click();
    void default_Click();
    void customcolors_Click();
    void howtoplay_Click();
    void about_Click();

    void showMarks();
    void setBackgroundColour(Colour colour);
    void enable(QWidget* control, bool enabled);
    void describeBoxes();
    void describeBox(int box);

    Board& board_;
    Windows& windows_;
    std::unique_ptr<MessageBox> messages_;
    std::unique_ptr<ColourPicker> commonDialog1_;

    QWidget* client_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label4_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command33_ = nullptr;
    std::array<FaceButton*, kBoxCount> boxes_{};
    QTimer* timer1_ = nullptr;
    QAction* default_ = nullptr;
    QAction* customcolors_ = nullptr;

    bool attached_ = false;
    Colour background_ = kFreshColour;
    bool defaultMarked_ = true;
    bool customMarked_ = false;
};

} // namespace numorra::ui
