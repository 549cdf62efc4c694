#pragma once

#include "board/colour.h"
#include "board/level_table.h"
#include "board/ports.h"

#include <array>
#include <cstdint>
#include <string>

namespace numorra {

// The numbers of one board window; they stay with the window instance when
// the window is unloaded.
struct BoardFields {
    std::int16_t seconds = 0; // the countdown's counter, shown in Text1
    std::int16_t target = 0;  // the number to find, shown in Label1
    std::int32_t chance = 0;  // boxes opened in this game, shown in Text2
    std::int16_t opened = 0;  // the number of the box last opened (not a count)
};

struct BoxControl {
    bool enabled = false;
    Colour colour = kFreshColour;
};

// The visible half of the board: what its controls show. Built afresh from
// the design at every load of the window. The names are the controls'.
struct BoardControls {
    std::string label1Caption;   // the target, in dark red beside "Find out this number:"
    std::string label2Caption;   // hidden: the number of the box last opened
    std::string text1Text;       // the seconds left, under "Time Remaing"
    std::string text2Text;       // the chance number: boxes opened in this game
    std::string command1Caption; // Start: "&Start Game.", "&Next Number" once a game has ended
    bool text1Enabled = false;
    bool text2Enabled = false;
    bool timer1Enabled = false;                // the countdown runs: a game is in progress
    bool command1Enabled = false;              // Start
    bool command33Enabled = false;             // Stop ("Stop &Game.")
    std::array<BoxControl, kBoxCount> boxes{}; // Command2 to Command32, Command37 to Command45

    // The box at index `box` in box order.
    const BoxControl& box(int box) const;

    static BoardControls design(Level level);
};

inline constexpr std::string_view kStartCaption = "&Start Game.";
inline constexpr std::string_view kNextCaption = "&Next Number";

// The game on one board window. Its public routines are the window's event
// handlers; the window calls them and mirrors the controls through the
// observer. A routine called while the board is not loaded throws
// std::logic_error, since it has no controls to act on.
class Board {
public:
    Board(Level level, RandomSource& random);

    Level level() const { return level_; }
    const LevelData& data() const { return data_; }
    const BoardFields& fields() const { return fields_; }
    const BoardControls& controls() const { return controls_; }
    bool loaded() const { return observer_ != nullptr; }
    bool gameInProgress() const { return controls_.timer1Enabled; }

    // Builds the controls from the design; the fields keep their values.
    void load(BoardObserver& observer, MessageBox& messages);
    // The controls and the timer are gone with the window.
    void unload();

    // Start: Command1 and the Game menu's Start Game item run the same steps.
    void Command1_Click() { startRoutine(); }
    void startgame_Click() { startRoutine(); }
    // Stop: Command33 and the Game menu's Stop Game item run the same steps.
    void Command33_Click() { stopRoutine(); }
    void stopgame_Click() { stopRoutine(); }
    // A click on the box at index `box` in box order (its Command*_Click):
    // its number goes into Label2's caption, which runs the judgement, and
    // the chance number into Text2's text, which runs the chance limit;
    // then the box turns red.
    void boxClick(int box);
    // A tick of the window's timer. Ticks the countdown cannot take (the
    // timer is stopped, a time-up message is open, the game is decided) are
    // dropped here.
    void Timer1_Timer();

private:
    void startRoutine();
    void stopRoutine();
    // One second off the countdown; at zero, time is up.
    void countDown();
    // The judgement, run when Label2's caption is assigned: a win when it
    // reads as Label1's (both are number text, so equal texts are equal
    // numbers), else the miss message with the box's number.
    void Label2_Change();
    // The chance limit, run when Text2's text changes: past the seventh
    // opening, "You Have No More Chance." ends the game.
    void Text2_Change();
    // This level's board lock: once no game runs, the boxes and the
    // counters' boxes are disabled.
    void boardLock();
    void showMessage(const Message& message);
    void requireLoaded() const;

    // Sets one property of a control and tells the window, if it changed.
    template <typename Value> bool set(Value& property, Value value, Control control, int box = -1);
    // Visits the boxes in box order.
    template <typename Value> void setAllBoxes(Value BoxControl::*property, Value value);
    // The two controls whose changes run a reaction of the board's.
    void setLabel2Caption(std::string caption);
    void setText2Text(std::string text);
    void notify(Control control, int box = -1);

    Level level_;
    const LevelData& data_;
    RandomSource& random_;
    BoardObserver* observer_ = nullptr;
    MessageBox* messages_ = nullptr;
    BoardFields fields_;
    BoardControls controls_;
    // A tick is under way (its time-up message may be open).
    bool tickRunning_ = false;
    // A win or the chance limit has ended the game; its message may still be
    // open. The countdown is frozen from then on.
    bool decided_ = false;
};

} // namespace numorra
