#pragma once

namespace numorra::ui {

// While the toolkit opens its display, a failure to do so ends the program
// with one plain line and a failure status, instead of an abort.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
    DisplayGuard(DisplayGuard&&) = delete;
    DisplayGuard& operator=(DisplayGuard&&) = delete;
};

// Names the program, its version and its icon to the toolkit.
void setIdentity();

} // namespace numorra::ui
