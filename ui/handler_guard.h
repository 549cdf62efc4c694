#pragma once

#include "board/ports.h"

#include <functional>

namespace numorra::ui {

// Runs a window's event handlers. A fault inside the rules must not unwind
// through the toolkit's event loop. The player is told that the game met an
// internal fault and must close, the fault goes to the error stream with the
// handler's name, and the program ends with a failure status. From then on
// the window's handlers do nothing: the game is closing.
class HandlerGuard {
public:
    // The status of a program stopped by a fault of its own (EX_SOFTWARE).
    static constexpr int kInternalFault = 70;

    HandlerGuard(MessageBox& messages, std::function<void(int status)> endProgram);

    void run(const char* name, const std::function<void()>& handler) noexcept;

private:
    void report(const char* name, const char* what) noexcept;

    MessageBox& messages_;
    std::function<void(int status)> endProgram_;
    bool faulted_ = false;
};

} // namespace numorra::ui
