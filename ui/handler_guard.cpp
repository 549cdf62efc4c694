#include "ui/handler_guard.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <exception>

namespace numorra::ui {

namespace {

// The status of a program stopped by a fault of its own (EX_SOFTWARE).
constexpr int kInternalFault = 70;

void reportFault(const char* name, const char* what) noexcept
{
    qCritical("Numorra: internal fault in %s: %s", name, what);
    QCoreApplication::exit(kInternalFault);
}

} // namespace

void runHandler(const char* name, const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& fault) {
        reportFault(name, fault.what());
    } catch (...) {
        reportFault(name, "unknown exception");
    }
}

} // namespace numorra::ui
