#include "board/board.h"

#include "board/checked_arithmetic.h"
#include "board/number_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace numorra {

namespace {

const Message kTimeUp{"Your Time is Up.", "Time Up", MessageStyle::Critical};
const Message kNoMoreChance{"You Have No More Chance.", "Chance Finished.", MessageStyle::Critical};
constexpr std::string_view kWinTitle = "Congratulations.";
constexpr std::string_view kMissTitle = "Try Again.";

// Marks a tick as under way for as long as it runs, message included.
class TickInProgress {
public:
    explicit TickInProgress(bool& flag) : flag_(&flag) { *flag_ = true; }
    ~TickInProgress() { *flag_ = false; }
    TickInProgress(const TickInProgress&) = delete;
    TickInProgress& operator=(const TickInProgress&) = delete;
    TickInProgress(TickInProgress&&) = delete;
    TickInProgress& operator=(TickInProgress&&) = delete;

private:
    bool* flag_;
};

} // namespace

template <typename Value> bool Board::set(Value& property, Value value, Control control, int box)
{
    if (property == value) {
        return false;
    }
    property = std::move(value);
    notify(control, box);
    return true;
}

template <typename Value> void Board::setAllBoxes(Value BoxControl::*property, Value value)
{
    for (int box = 0; box < kBoxCount; ++box) {
        set(controls_.boxes.at(boxIndex(box)).*property, value, Control::Box, box);
    }
}

const BoxControl& BoardControls::box(int box) const
{
    return boxes.at(boxIndex(box));
}

BoardControls BoardControls::design(Level level)
{
    const LevelData& data = levelData(level);
    BoardControls controls;
    controls.label1Caption = "0";
    controls.text1Text = numberText(data.playerSeconds());
    controls.text2Text = "0";
    controls.command1Caption = std::string(kStartCaption);
    controls.command1Enabled = true;
    return controls;
}

Board::Board(Level level, RandomSource& random)
    : level_(level), data_(levelData(level)), random_(random),
      controls_(BoardControls::design(level))
{
}

void Board::load(BoardObserver& observer, MessageBox& messages)
{
    if (loaded()) {
        throw std::logic_error(std::string(data_.windowName) + " is loaded already");
    }
    observer_ = &observer;
    messages_ = &messages;
    controls_ = BoardControls::design(level_);
    tickRunning_ = false;
    decided_ = false;
}

void Board::unload()
{
    observer_ = nullptr;
    messages_ = nullptr;
    controls_.timer1Enabled = false;
}

void Board::requireLoaded() const
{
    if (!loaded()) {
        throw std::logic_error("a routine ran on " + std::string(data_.windowName) +
                               " while it is not loaded");
    }
}

void Board::startRoutine()
{
    requireLoaded();
    decided_ = false;
    random_.reseed();
    const double r = random_.draw();
    if (!(r >= 0.0 && r < 1.0)) {
        throw std::out_of_range("the random source drew " + std::to_string(r) +
                                ", outside 0 <= r < 1");
    }
    // For r just below 1, r * 500 rounds up to 500 in double arithmetic; the
    // last step of the range is as far as a draw may go.
    const int step = std::min(static_cast<int>(std::floor(r * kTargetSpan)), kTargetSpan - 1);
    fields_.target = checkedAdd<std::int16_t>(data_.targetOffset, static_cast<std::int16_t>(step),
                                              "the target number");
    set(controls_.label1Caption, numberText(fields_.target), Control::Label1);
    fields_.chance = 0;
    setText2Text(numberText(fields_.chance));
    set(controls_.timer1Enabled, true, Control::Timer1);
    fields_.seconds = data_.startingSeconds;
    countDown();
    set(controls_.command1Enabled, false, Control::Command1);
    set(controls_.command33Enabled, true, Control::Command33);
    if (controls_.timer1Enabled) {
        setAllBoxes(&BoxControl::enabled, true);
    }
    setAllBoxes(&BoxControl::colour, kFreshColour);
}

void Board::Timer1_Timer()
{
    requireLoaded();
    // A stopped timer does not tick. While a tick's time-up message is open,
    // or once a win or the chance limit has decided the game, further ticks
    // would stack messages or end a game twice: they are dropped.
    if (!controls_.timer1Enabled || tickRunning_ || decided_) {
        return;
    }
    countDown();
}

void Board::countDown()
{
    const TickInProgress tick(tickRunning_);
    fields_.seconds = checkedAdd<std::int16_t>(fields_.seconds, -1, "the seconds counter");
    set(controls_.text1Text, numberText(fields_.seconds), Control::Text1);
    if (fields_.seconds < 1) {
        showMessage(kTimeUp);
        set(controls_.timer1Enabled, false, Control::Timer1);
        set(controls_.command1Enabled, true, Control::Command1);
        set(controls_.command1Caption, std::string(kNextCaption), Control::Command1);
        set(controls_.command33Enabled, false, Control::Command33);
    }
    if (!controls_.timer1Enabled) {
        setAllBoxes(&BoxControl::enabled, false);
    }
}

void Board::boxClick(int box)
{
    requireLoaded();
    // The toolkit hands clicks only to enabled buttons.
    if (!controls_.box(box).enabled) {
        return;
    }
    setLabel2Caption(numberText(data_.boxNumber(box)));
    fields_.chance = checkedAdd<std::int32_t>(fields_.chance, 1, "the chance number");
    setText2Text(numberText(fields_.chance));
    set(controls_.boxes.at(boxIndex(box)).colour, kOpenedColour, Control::Box, box);
}

void Board::Label2_Change()
{
    fields_.opened = parseInt16(controls_.label2Caption);
    if (controls_.label2Caption == controls_.label1Caption) {
        decided_ = true;
        showMessage(
            {std::string(data_.winMessage), std::string(kWinTitle), MessageStyle::Exclamation});
        set(controls_.timer1Enabled, false, Control::Timer1);
        set(controls_.command1Enabled, true, Control::Command1);
        set(controls_.command33Enabled, false, Control::Command33);
        boardLock();
        set(controls_.command1Caption, std::string(kNextCaption), Control::Command1);
        return;
    }
    showMessage({std::string(data_.missText) + numberText(fields_.opened), std::string(kMissTitle),
                 MessageStyle::Information});
    // Time may have run out while the message was open; then the game is
    // over and Start and Stop must stay as the time-up path left them.
    if (controls_.timer1Enabled) {
        set(controls_.command1Enabled, false, Control::Command1);
        set(controls_.command33Enabled, true, Control::Command33);
    }
}

void Board::Text2_Change()
{
    if (parseDouble(controls_.text2Text) <= kChanceLimit) {
        return;
    }
    decided_ = true;
    showMessage(kNoMoreChance);
    set(controls_.timer1Enabled, false, Control::Timer1);
    set(controls_.command1Enabled, true, Control::Command1);
    set(controls_.command1Caption, std::string(kNextCaption), Control::Command1);
    set(controls_.command33Enabled, false, Control::Command33);
    boardLock();
}

void Board::stopRoutine()
{
    requireLoaded();
    set(controls_.command1Enabled, true, Control::Command1);
    set(controls_.command33Enabled, false, Control::Command33);
    set(controls_.timer1Enabled, false, Control::Timer1);
    boardLock();
}

void Board::boardLock()
{
    if (controls_.timer1Enabled) {
        return;
    }
    set(controls_.text1Enabled, false, Control::Text1);
    set(controls_.text2Enabled, false, Control::Text2);
    setAllBoxes(&BoxControl::enabled, false);
}

void Board::showMessage(const Message& message)
{
    // Messages are modal to the whole program, so nothing the player does
    // can unload the board while one is open; the routine that shows the
    // next one would otherwise have nowhere to show it.
    requireLoaded();
    messages_->show(message);
}

void Board::notify(Control control, int box)
{
    if (observer_ != nullptr) {
        observer_->controlChanged({control, box});
    }
}

void Board::setLabel2Caption(std::string caption)
{
    set(controls_.label2Caption, std::move(caption), Control::Label2);
    // Judged on every assignment, also when the caption is the same as
    // before: a repeated number may be the new game's target.
    Label2_Change();
}

void Board::setText2Text(std::string text)
{
    if (set(controls_.text2Text, std::move(text), Control::Text2)) {
        Text2_Change();
    }
}

} // namespace numorra
