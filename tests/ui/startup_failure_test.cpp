// The one line a player reads when the game cannot start, for the causes
// that check_startup.sh cannot bring about on a working machine (no display
// and an unknown plugin it starts the game with).
#include "ui/startup_failure.h"

#include <gtest/gtest.h>

namespace numorra::ui {
namespace {

constexpr std::string_view kFatal =
    "This application failed to start because no Qt platform plugin could be initialized. "
    "Reinstalling the application may fix this problem.\n\n"
    "Available platform plugins are: minimal, offscreen, xcb.\n";

std::string pluginLine(std::string_view verb, std::string_view plugin)
{
    return "Could not " + std::string(verb) + " the Qt platform plugin \"" + std::string(plugin) +
           R"(" in "")";
}

TEST(StartupFailure, NamesTheCauseAndWhatToDo)
{
    EXPECT_EQ(startupFailure({pluginLine("find", "wayland")}, kFatal, {}),
              "numorra: the platform plugin \"wayland\" is not installed, so the game cannot "
              "show its windows. Install Debian's package qt6-wayland.");
    EXPECT_EQ(startupFailure({pluginLine("find", "xcb")}, kFatal, {}).substr(0, 56),
              "numorra: the platform plugin \"xcb\" is not installed, so ");
    EXPECT_NE(startupFailure({pluginLine("find", "xcb")}, kFatal, {}).find("libqt6gui6"),
              std::string::npos);
    EXPECT_FALSE(explainedByStartupFailure(pluginLine("load", "xcb")));

    // A plugin that is there but fails for another reason, and a failure
    // the game knows nothing of: the toolkit's own words.
    EXPECT_EQ(startupFailure({pluginLine("load", "eglfs")}, kFatal, {}),
              "numorra: the platform plugin \"eglfs\" could not be loaded, so the game cannot "
              "show its windows. The toolkit says: This application failed to start because no "
              "Qt platform plugin could be initialized. Reinstalling the application may fix "
              "this problem.");
    EXPECT_EQ(startupFailure({}, "out of memory", {}),
              "numorra: the toolkit could not start, so the game cannot show its windows. It "
              "says: out of memory");
}

} // namespace
} // namespace numorra::ui
