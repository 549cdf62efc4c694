#pragma once

namespace numorra::ui {

// While the toolkit starts, a failure to do so ends the program with one
// plain line that names its cause and a failure status, instead of an abort.
// The toolkit's own lines that name the platform plugin are kept.
class StartupGuard {
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;
    StartupGuard(StartupGuard&&) = delete;
    StartupGuard& operator=(StartupGuard&&) = delete;
};

// Names the program, its version and its icon to the toolkit.
void setIdentity();

// The game reads no settings file and writes none; this keeps the toolkit's
// own settings (the colour dialog's custom colours) off the disk too.
void keepSettingsOffDisk();

// Holds the toolkit's cache of drawn pixmaps to what the game's own windows
// draw again and again.
void keepPixmapCacheSmall();

} // namespace numorra::ui
