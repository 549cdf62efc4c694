#include "ui/startup_failure.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace numorra::ui {

namespace {

constexpr std::string_view kCannotShow = ", so the game cannot show its windows.";

// The Debian 12 packages that hold the toolkit's platform plugins.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kPluginPackages{{
    {"xcb", "libqt6gui6"},
    {"offscreen", "libqt6gui6"},
    {"minimal", "libqt6gui6"},
    {"minimalegl", "libqt6gui6"},
    {"eglfs", "libqt6gui6"},
    {"linuxfb", "libqt6gui6"},
    {"vkkhrdisplay", "libqt6gui6"},
    {"vnc", "qt6-qpa-plugins"},
    {"wayland", "qt6-wayland"},
    {"wayland-egl", "qt6-wayland"},
}};

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// The plugin named in quotes after `lead`, if a line says it.
std::optional<std::string> pluginAfter(const std::vector<std::string>& lines, std::string_view lead)
{
    for (const std::string& line : lines) {
        const std::size_t at = line.find(lead);
        if (at == std::string::npos) {
            continue;
        }
        const std::size_t open = line.find('"', at + lead.size());
        const std::size_t close = line.find('"', open + 1);
        if (open != std::string::npos && close != std::string::npos) {
            return line.substr(open + 1, close - open - 1);
        }
    }
    return std::nullopt;
}

bool said(const std::vector<std::string>& lines, std::string_view part)
{
    return std::ranges::any_of(lines,
                               [part](const std::string& line) { return contains(line, part); });
}

std::string_view firstLine(std::string_view text)
{
    return text.substr(0, text.find('\n'));
}

// The toolkit's list of the plugins it has, from its fatal message.
std::string_view availablePlugins(std::string_view fatal)
{
    constexpr std::string_view kLead = "Available platform plugins are: ";
    const std::size_t at = fatal.find(kLead);
    if (at == std::string_view::npos) {
        return {};
    }
    std::string_view list = firstLine(fatal.substr(at + kLead.size()));
    while (!list.empty() && (list.back() == '.' || list.back() == ' ')) {
        list.remove_suffix(1);
    }
    return list;
}

std::string setTo(std::string_view variable, const std::string& value)
{
    return value.empty() ? std::string(variable) + " is not set"
                         : std::string(variable) + "=" + value;
}

} // namespace

bool explainedByStartupFailure(std::string_view line)
{
    return contains(line, "could not connect to display") ||
           contains(line, "Failed to create wl_display");
}

std::string startupFailure(const std::vector<std::string>& lines, std::string_view fatal,
                           const DisplaySetting& setting)
{
    if (said(lines, "could not connect to display")) {
        return "numorra: no X display could be opened (" + setTo("DISPLAY", setting.display) + ")" +
               std::string(kCannotShow) +
               " Run it on a desktop, or without one under Xvfb: xvfb-run -a numorra";
    }
    if (said(lines, "Failed to create wl_display")) {
        return "numorra: no Wayland display could be opened (" +
               setTo("WAYLAND_DISPLAY", setting.waylandDisplay) + ")" + std::string(kCannotShow) +
               " Run it in a Wayland session, or on X11 with QT_QPA_PLATFORM=xcb";
    }
    if (const auto missing = pluginAfter(lines, "Could not find the Qt platform plugin")) {
        for (const auto& [plugin, package] : kPluginPackages) {
            if (plugin == *missing) {
                return "numorra: the platform plugin \"" + *missing + "\" is not installed" +
                       std::string(kCannotShow) + " Install Debian's package " +
                       std::string(package) + ".";
            }
        }
        return "numorra: there is no platform plugin \"" + *missing + "\"" +
               std::string(kCannotShow) + " Check QT_QPA_PLATFORM; the installed plugins are: " +
               std::string(availablePlugins(fatal)) + ".";
    }
    if (const auto broken = pluginAfter(lines, "Could not load the Qt platform plugin")) {
        return "numorra: the platform plugin \"" + *broken + "\" could not be loaded" +
               std::string(kCannotShow) + " The toolkit says: " + std::string(firstLine(fatal));
    }
    return "numorra: the toolkit could not start" + std::string(kCannotShow) +
           " It says: " + std::string(firstLine(fatal));
}

} // namespace numorra::ui
