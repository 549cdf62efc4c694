#include "board/clock_random.h"
#include "ui/startup.h"
#include "ui/windows.h"

#include <QApplication>

#include <exception>
#include <memory>

int main(int argc, char* argv[])
{
    using namespace numorra;
    try {
        std::unique_ptr<QApplication> application;
        {
            const ui::StartupGuard guard;
            application = std::make_unique<QApplication>(argc, argv);
        }
        // The program ends by its own rule: when nothing is on screen once
        // an event has been handled, or by Exit.
        QApplication::setQuitOnLastWindowClosed(false);
        ui::setIdentity();
        ui::keepSettingsOffDisk();
        ui::keepPixmapCacheSmall();

        ClockRandom random;
        ui::Windows windows(ui::toolkitServices(random));
        windows.start();
        return QApplication::exec();
    } catch (const std::exception& fault) {
        qCritical("Numorra: cannot start: %s", fault.what());
        return EXIT_FAILURE;
    }
}
