#pragma once

#include "board/colour.h"
#include "board/ports.h"
#include "ui/colour_picker.h"

#include <chrono>
#include <functional>
#include <memory>

class QWidget;

namespace numorra::ui {

// What the windows take from outside: the random source, the message boxes,
// the colour picker, the end of the program with its status and the
// countdown's pace. Tests
// replace them, and drive the countdown's ticks themselves.
struct Services {
    RandomSource* random = nullptr;
    std::function<std::unique_ptr<MessageBox>(QWidget* owner)> messageBox;
    std::function<std::unique_ptr<ColourPicker>(QWidget* owner)> colourPicker;
    std::function<void(int status)> endProgram;
    std::chrono::milliseconds tickInterval{1000};
    // How long an unloaded window stays, hidden, before it is destroyed: a
    // screen reader may still be asking about its last events.
    std::chrono::milliseconds unloadGrace{500};
};

// The real ones: the toolkit's message boxes and colour dialog, and the end
// of the event loop.
Services toolkitServices(RandomSource& random);

} // namespace numorra::ui
