#include "ui/startup.h"

#include "ui/icons.h"
#include "ui/identity.h"
#include "ui/qt_text.h"
#include "ui/startup_failure.h"

#include <QApplication>
#include <QPixmapCache>
#include <QSettings>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace numorra::ui {

namespace {

// The status of a program that cannot reach what it needs (EX_UNAVAILABLE).
constexpr int kCannotStart = 69;

QtMessageHandler previousHandler = nullptr;
// What the toolkit has logged while it starts: read only by the handler
// below, on the one thread that starts the toolkit.
std::vector<std::string>& startLines()
{
    static std::vector<std::string> lines;
    return lines;
}

void failToStart(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        std::string line = message.toStdString();
        if (!explainedByStartupFailure(line)) {
            previousHandler(type, context, message);
        }
        startLines().push_back(std::move(line));
        return;
    }
    const std::string reason =
        startupFailure(startLines(), message.toStdString(),
                       {qEnvironmentVariable("DISPLAY").toStdString(),
                        qEnvironmentVariable("WAYLAND_DISPLAY").toStdString()});
    static_cast<void>(std::fprintf(stderr, "%s\n", reason.c_str()));
    std::_Exit(kCannotStart);
}

} // namespace

StartupGuard::StartupGuard()
{
    previousHandler = qInstallMessageHandler(failToStart);
}

StartupGuard::~StartupGuard()
{
    qInstallMessageHandler(previousHandler);
    startLines().clear();
}

void setIdentity()
{
    // No application display name: the toolkit would append it to every
    // title the window system shows, and each title bar must read exactly
    // its own caption.
    QApplication::setApplicationName(toQString(kProductName));
    QApplication::setApplicationVersion(toQString(kVersion));
    QApplication::setOrganizationDomain(toQString(kOrganizationDomain));
    QApplication::setDesktopFileName(toQString(kApplicationId));
    QApplication::setWindowIcon(applicationIcon());
}

void keepSettingsOffDisk()
{
    // The colour dialog keeps its custom colours in the settings file that
    // every Qt program of the user shares: it reads them at its first use
    // and writes them when it closes. Settings are pointed where no file can
    // ever be, below /dev/null, so the colours last for this process alone
    // and another program's never show here.
    const QString nowhere = QStringLiteral("/dev/null/numorra");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, nowhere);
        QSettings::setPath(format, QSettings::SystemScope, nowhere);
    }
}

void keepPixmapCacheSmall()
{
    // The style caches what it draws under the identity of the palette and
    // the icon it draws with, and the toolkit's own windows come with new
    // ones every time: each message box and colour dialog builds its button
    // icons anew, and each board's menus have palettes of their own. Every
    // opening and level switch would leave entries that nothing looks up
    // again, up to the cache's default 10 MiB. At this size a long evening
    // of play stays level (docs/benchmarks.md).
    constexpr int kCacheKiB = 512;
    QPixmapCache::setCacheLimit(kCacheKiB);
}

} // namespace numorra::ui
