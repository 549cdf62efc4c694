#pragma once

#include <functional>

namespace numorra::ui {

// Runs an event handler. A fault inside the rules must not unwind through
// the toolkit's event loop: it is reported on the error stream with the
// handler's name, and the program ends with a failure status.
void runHandler(const char* name, const std::function<void()>& handler) noexcept;

} // namespace numorra::ui
