// The one line a player reads when the game cannot start, for the causes
// that check_startup.sh cannot bring about on a working machine: it names
// the plugin and what to do, or passes on the toolkit's own words.
#include "ui/startup_failure.h"

#include <gtest/gtest.h>

namespace numorra::ui {
namespace {

TEST(StartupFailure, NamesTheCauseAndWhatToDo)
{
    const std::string fatal = "This application failed to start because no Qt platform plugin "
                              "could be initialized.\n\nAvailable platform plugins are: xcb.\n";
    const auto plugin = [](const char* verb, const char* name) {
        return std::string("Could not ") + verb + " the Qt platform plugin \"" + name +
               R"(" in "")";
    };
    // What the toolkit logged and said; what the line must hold.
    const std::vector<std::tuple<std::vector<std::string>, std::string, std::vector<std::string>>>
        causes{
            {{plugin("find", "wayland")}, fatal, {"\"wayland\" is not installed", "qt6-wayland"}},
            {{plugin("find", "xcb")}, fatal, {"\"xcb\" is not installed", "libqt6gui6"}},
            {{plugin("load", "eglfs")},
             fatal,
             {"\"eglfs\" could not be loaded", "failed to start"}},
            {{}, "out of memory", {"toolkit could not start", "says: out of memory"}}};
    for (const auto& [lines, said, holds] : causes) {
        const std::string line = startupFailure(lines, said, {});
        EXPECT_TRUE(line.starts_with("numorra: ") && line.find('\n') == std::string::npos) << line;
        for (const std::string& words : holds) {
            EXPECT_NE(line.find(words), std::string::npos) << line << "\n  lacks: " << words;
        }
    }
    EXPECT_FALSE(explainedByStartupFailure(plugin("load", "xcb")));
}

} // namespace
} // namespace numorra::ui
