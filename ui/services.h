#pragma once

#include "board/colour.h"
#include "board/ports.h"
#include "ui/colour_picker.h"

#include <functional>
#include <memory>

class QWidget;

namespace numorra::ui {

// What the windows take from outside: the random source, the message boxes,
// the colour picker and the end of the program. Tests replace them.
struct Services {
    RandomSource* random = nullptr;
    std::function<std::unique_ptr<MessageBox>(QWidget* owner)> messageBox;
    std::function<std::unique_ptr<ColourPicker>(QWidget* owner, Colour offered)> colourPicker;
    std::function<void()> endProgram;
};

// The real ones: the toolkit's message boxes and colour dialog, and the end
// of the event loop.
Services toolkitServices(RandomSource& random);

} // namespace numorra::ui
