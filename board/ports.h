#pragma once

#include <string>

namespace numorra {

// The icon of a message box; the number is its style code (one OK button,
// so the button code adds nothing).
enum class MessageStyle { Critical = 16, Exclamation = 48, Information = 64 };

struct Message {
    std::string text;
    std::string title;
    MessageStyle style;

    bool operator==(const Message&) const = default;
};

// Shows a modal message box. Returns only once the player has dismissed it;
// whatever the toolkit delivers meanwhile (timer ticks) may reach the board.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const Message& message) = 0;
};

// Uniform draws r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds from the clock; the board calls it at every start.
    virtual void reseed() = 0;
    virtual double draw() = 0;
};

// The controls whose state a board drives.
enum class Control { Label1, Label2, Text1, Text2, Timer1, Command1, Command33, Box };

struct ControlChange {
    Control control{};
    int box = -1; // index in box order, for Control::Box only

    bool operator==(const ControlChange&) const = default;
};

// Told of every change to a control, right after it happened, so a window
// can mirror the board. Timer1's change tells the window to start or stop
// its real timer.
class BoardObserver {
public:
    virtual ~BoardObserver() = default;
    virtual void controlChanged(ControlChange change) = 0;
};

} // namespace numorra
