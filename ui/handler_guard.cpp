#include "ui/handler_guard.h"

#include "ui/identity.h"

#include <QtGlobal>

#include <exception>
#include <string>
#include <utility>

namespace numorra::ui {

HandlerGuard::HandlerGuard(MessageBox& messages, std::function<void(int status)> endProgram)
    : messages_(messages), endProgram_(std::move(endProgram))
{
}

void HandlerGuard::run(const char* name, const std::function<void()>& handler) noexcept
{
    if (faulted_) {
        return;
    }
    try {
        handler();
    } catch (const std::exception& fault) {
        report(name, fault.what());
    } catch (...) {
        report(name, "unknown exception");
    }
}

void HandlerGuard::report(const char* name, const char* what) noexcept
{
    // Ticks and clicks that reach the window while the message is up find
    // the game closing.
    faulted_ = true;
    qCritical("Numorra: internal fault in %s: %s", name, what);
    try {
        messages_.show({std::string(kProductName) +
                            " met an internal fault and must close.\n\nIn " + name + ": " + what,
                        std::string(kProductName), MessageStyle::Critical});
    } catch (const std::exception& fault) {
        qCritical("Numorra: the fault could not be shown: %s", fault.what());
    } catch (...) {
        qCritical("Numorra: the fault could not be shown");
    }
    endProgram_(kInternalFault);
}

} // namespace numorra::ui
