#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace numorra::ui {

// Where the toolkit was sent to show windows.
struct DisplaySetting {
    std::string display;        // DISPLAY, empty when unset
    std::string waylandDisplay; // WAYLAND_DISPLAY, empty when unset
};

// Says in one line why the toolkit could not start, from the lines it
// logged on the way (`lines`) and its final `fatal` message: no display, a platform
// plugin that is missing (and the Debian package that has it) or that would
// not load, or else the toolkit's own reason.
std::string startupFailure(const std::vector<std::string>& lines, std::string_view fatal,
                           const DisplaySetting& setting);

// Whether a toolkit line is one that startupFailure() says better: the
// display lines. Lines that name the plugin are the toolkit's to keep.
bool explainedByStartupFailure(std::string_view line);

} // namespace numorra::ui
