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

std::size_t at(int box)
{
    if (box < 0 || box >= kBoxCount) {
        throw std::out_of_range("there is no box " + std::to_string(box));
    }
    return static_cast<std::size_t>(box);
}

} // namespace

const BoxControl& BoardControls::box(int box) const
{
    return boxes.at(at(box));
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
    ++generation_;
    tickRunning_ = false;
    decided_ = false;
}

void Board::unload()
{
    observer_ = nullptr;
    messages_ = nullptr;
    controls_.timer1Enabled = false;
    ++generation_;
}

void Board::requireLoaded(const char* routine) const
{
    if (!loaded()) {
        throw std::logic_error(std::string(routine) + " ran on " + std::string(data_.windowName) +
                               " while it is not loaded");
    }
}

void Board::Command1_Click()
{
    requireLoaded("Command1_Click");
    startRoutine();
}

void Board::startgame_Click()
{
    requireLoaded("startgame_Click");
    startRoutine();
}

void Board::Command33_Click()
{
    requireLoaded("Command33_Click");
    stopRoutine();
}

void Board::stopgame_Click()
{
    requireLoaded("stopgame_Click");
    stopRoutine();
}

void Board::startRoutine()
{
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
    setLabel1Caption(numberText(fields_.target));
    fields_.chance = 0;
    setText2Text(numberText(fields_.chance));
    setTimer1Enabled(true);
    fields_.seconds = data_.startingSeconds;
    Timer1_Timer();
    setCommand1Enabled(false);
    setCommand33Enabled(true);
    if (controls_.timer1Enabled) {
        for (int box = 0; box < kBoxCount; ++box) {
            setBoxEnabled(box, true);
        }
    }
    for (int box = 0; box < kBoxCount; ++box) {
        setBoxColour(box, kFreshColour);
    }
}

void Board::timerTick()
{
    requireLoaded("Timer1_Timer");
    // A stopped timer does not tick. While a tick's time-up message is open,
    // or once a win or the chance limit has decided the game, further ticks
    // would stack messages or end a game twice: they are dropped.
    if (!controls_.timer1Enabled || tickRunning_ || decided_) {
        return;
    }
    Timer1_Timer();
}

void Board::Timer1_Timer()
{
    const TickInProgress tick(tickRunning_);
    fields_.seconds = checkedAdd<std::int16_t>(fields_.seconds, -1, "the seconds counter");
    setText1Text(numberText(fields_.seconds));
    if (fields_.seconds < 1) {
        if (!showMessage(kTimeUp)) {
            return;
        }
        setTimer1Enabled(false);
        setCommand1Enabled(true);
        setCommand1Caption(std::string(kNextCaption));
        setCommand33Enabled(false);
    }
    if (!controls_.timer1Enabled) {
        for (int box = 0; box < kBoxCount; ++box) {
            setBoxEnabled(box, false);
        }
    }
}

void Board::boxClick(int box)
{
    requireLoaded("box click");
    // The toolkit hands clicks only to enabled buttons.
    if (!controls_.box(box).enabled) {
        return;
    }
    const unsigned generation = generation_;
    setLabel2Caption(numberText(data_.boxNumber(box)));
    if (generation != generation_) {
        return;
    }
    fields_.chance = checkedAdd<std::int32_t>(fields_.chance, 1, "the chance number");
    setText2Text(numberText(fields_.chance));
    if (generation != generation_) {
        return;
    }
    setBoxColour(box, kOpenedColour);
}

void Board::Label2_Change()
{
    fields_.opened = parseInt16(controls_.label2Caption);
    if (controls_.label2Caption == controls_.label1Caption) {
        decided_ = true;
        if (!showMessage({std::string(data_.winMessage), std::string(kWinTitle),
                          MessageStyle::Exclamation})) {
            return;
        }
        setTimer1Enabled(false);
        setCommand1Enabled(true);
        setCommand33Enabled(false);
        boardLock();
        setCommand1Caption(std::string(kNextCaption));
        return;
    }
    if (!showMessage({std::string(data_.missText) + numberText(fields_.opened),
                      std::string(kMissTitle), MessageStyle::Information})) {
        return;
    }
    // Time may have run out while the message was open; then the game is
    // over and Start and Stop must stay as the time-up path left them.
    if (controls_.timer1Enabled) {
        setCommand1Enabled(false);
        setCommand33Enabled(true);
    }
}

void Board::Text2_Change()
{
    if (parseDouble(controls_.text2Text) <= kChanceLimit) {
        return;
    }
    decided_ = true;
    if (!showMessage(kNoMoreChance)) {
        return;
    }
    setTimer1Enabled(false);
    setCommand1Enabled(true);
    setCommand1Caption(std::string(kNextCaption));
    setCommand33Enabled(false);
    boardLock();
}

void Board::stopRoutine()
{
    setCommand1Enabled(true);
    setCommand33Enabled(false);
    setTimer1Enabled(false);
    boardLock();
}

void Board::boardLock()
{
    if (controls_.timer1Enabled) {
        return;
    }
    setText1Enabled(false);
    setText2Enabled(false);
    for (int box = 0; box < kBoxCount; ++box) {
        setBoxEnabled(box, false);
    }
}

bool Board::showMessage(const Message& message)
{
    const unsigned generation = generation_;
    messages_->show(message);
    return generation == generation_;
}

void Board::notify(Control control, int box)
{
    if (observer_ != nullptr) {
        observer_->controlChanged({control, box});
    }
}

namespace {

template <typename Value> bool assign(Value& target, Value value)
{
    if (target == value) {
        return false;
    }
    target = std::move(value);
    return true;
}

} // namespace

void Board::setLabel1Caption(std::string caption)
{
    if (assign(controls_.label1Caption, std::move(caption))) {
        notify(Control::Label1);
    }
}

void Board::setLabel2Caption(std::string caption)
{
    if (assign(controls_.label2Caption, std::move(caption))) {
        notify(Control::Label2);
    }
    // Judged on every assignment, also when the caption is the same as
    // before: a repeated number may be the new game's target.
    Label2_Change();
}

void Board::setText1Text(std::string text)
{
    if (assign(controls_.text1Text, std::move(text))) {
        notify(Control::Text1);
    }
}

void Board::setText2Text(std::string text)
{
    if (assign(controls_.text2Text, std::move(text))) {
        notify(Control::Text2);
        Text2_Change();
    }
}

void Board::setText1Enabled(bool enabled)
{
    if (assign(controls_.text1Enabled, enabled)) {
        notify(Control::Text1);
    }
}

void Board::setText2Enabled(bool enabled)
{
    if (assign(controls_.text2Enabled, enabled)) {
        notify(Control::Text2);
    }
}

void Board::setTimer1Enabled(bool enabled)
{
    if (assign(controls_.timer1Enabled, enabled)) {
        notify(Control::Timer1);
    }
}

void Board::setCommand1Enabled(bool enabled)
{
    if (assign(controls_.command1Enabled, enabled)) {
        notify(Control::Command1);
    }
}

void Board::setCommand1Caption(std::string caption)
{
    if (assign(controls_.command1Caption, std::move(caption))) {
        notify(Control::Command1);
    }
}

void Board::setCommand33Enabled(bool enabled)
{
    if (assign(controls_.command33Enabled, enabled)) {
        notify(Control::Command33);
    }
}

void Board::setBoxEnabled(int box, bool enabled)
{
    if (assign(controls_.boxes.at(at(box)).enabled, enabled)) {
        notify(Control::Box, box);
    }
}

void Board::setBoxColour(int box, Colour colour)
{
    if (assign(controls_.boxes.at(at(box)).colour, colour)) {
        notify(Control::Box, box);
    }
}

} // namespace numorra
