#include "ui/startup.h"

#include "ui/icons.h"
#include "ui/identity.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace numorra::ui {

namespace {

// The status of a program that cannot reach what it needs (EX_UNAVAILABLE).
constexpr int kNoDisplay = 69;

QtMessageHandler previousHandler = nullptr;

void failWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        // The toolkit's own lines on the way to a failure say less than ours.
        const bool platformLine =
            context.category != nullptr &&
            QLatin1String(context.category).startsWith(QLatin1String("qt.qpa"));
        if (!platformLine && !message.contains(QLatin1String("display"), Qt::CaseInsensitive)) {
            previousHandler(type, context, message);
        }
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    static_cast<void>(std::fprintf(
        stderr,
        "numorra: no display could be opened (%s), so the game cannot show its windows. "
        "Run it on a desktop, or without one under Xvfb: xvfb-run -a numorra\n",
        display.isEmpty() ? "DISPLAY is not set" : display.constData()));
    std::_Exit(kNoDisplay);
}

} // namespace

DisplayGuard::DisplayGuard()
{
    previousHandler = qInstallMessageHandler(failWithoutDisplay);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previousHandler);
}

void setIdentity()
{
    QApplication::setApplicationName(toQString(kProductName));
    QApplication::setApplicationDisplayName(toQString(kProductName));
    QApplication::setApplicationVersion(toQString(kVersion));
    QApplication::setOrganizationDomain(toQString(kOrganizationDomain));
    QApplication::setDesktopFileName(toQString(kApplicationId));
    QApplication::setWindowIcon(applicationIcon());
}

} // namespace numorra::ui
