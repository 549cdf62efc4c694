// A small X client that starts a program and watches it from outside: the
// time from exec to its first window being mapped (seen as the X server's
// MapNotify event, not by polling), its memory once shown, its CPU time and
// wake-ups over a stretch of time, and the time from F2 to the next window
// it maps (the time-up message of a game).
//
// Usage: numorra_probe MODE SECONDS PROGRAM [ARGS...]
//   start      prints startup_ms, peak_kib, rss_kib
//   idle       waits SECONDS with nothing to do: cpu_ms, wakeups, main_wakeups
//   countdown  presses F2 first, then as idle
//   timeup     presses F2 and waits for the next window: timeup_s
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Time for the first paint and the toolkit's settling after a map.
constexpr auto kSettle = 1s;

struct Usage {
    double cpuMs = 0;
    long wakeups = 0;
    long mainWakeups = 0;
};

long statusField(const std::filesystem::path& status, const std::string& name)
{
    std::ifstream in(status);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name + ":", 0) == 0) {
            return std::stol(line.substr(name.size() + 1));
        }
    }
    throw std::runtime_error("no " + name + " in " + status.string());
}

// CPU time from the scheduler (nanoseconds), and wake-ups counted as the
// context switches of every thread of the process.
Usage usageOf(pid_t pid)
{
    Usage usage;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double ns = 0;
        schedstat >> ns;
        usage.cpuMs += ns / 1e6;
        const long switches = statusField(task.path() / "status", "voluntary_ctxt_switches") +
                              statusField(task.path() / "status", "nonvoluntary_ctxt_switches");
        usage.wakeups += switches;
        if (task.path().filename() == std::to_string(pid)) {
            usage.mainWakeups += switches;
        }
    }
    return usage;
}

class Probe {
public:
    Probe() : display_(XOpenDisplay(nullptr))
    {
        if (display_ == nullptr) {
            throw std::runtime_error("cannot open the X display");
        }
        root_ = XDefaultRootWindow(display_);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Probe()
    {
        if (child_ > 0) {
            kill(child_, SIGTERM);
            waitpid(child_, nullptr, 0);
        }
        XCloseDisplay(display_);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;
    Probe(Probe&&) = delete;
    Probe& operator=(Probe&&) = delete;

    Clock::time_point start(char** argv)
    {
        const Clock::time_point begun = Clock::now();
        child_ = fork();
        if (child_ == 0) {
            execv(argv[0], argv);
            std::perror("numorra_probe: exec");
            std::_Exit(127);
        }
        return begun;
    }

    pid_t child() const { return child_; }

    // Waits for the next top-level window (not a menu or tooltip) to be mapped.
    std::pair<Window, Clock::time_point> nextWindow(std::chrono::seconds limit)
    {
        const Clock::time_point deadline = Clock::now() + limit;
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == MapNotify && event.xmap.event == root_ &&
                    event.xmap.override_redirect == False) {
                    return {event.xmap.window, Clock::now()};
                }
            }
            pollfd connection{XConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, 50);
        }
        throw std::runtime_error("no window was mapped in time");
    }

    void pressF2(Window window)
    {
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
        const KeyCode f2 = XKeysymToKeycode(display_, XK_F2);
        XTestFakeKeyEvent(display_, f2, True, 0);
        XTestFakeKeyEvent(display_, f2, False, 0);
        XSync(display_, False);
    }

private:
    Display* display_;
    Window root_ = 0;
    pid_t child_ = -1;
};

double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

int run(const std::string& mode, int stretch, char** program)
{
    Probe probe;
    const Clock::time_point begun = probe.start(program);
    const auto [window, mapped] = probe.nextWindow(20s);
    const std::string status = "/proc/" + std::to_string(probe.child()) + "/status";
    if (mode == "start") {
        std::this_thread::sleep_for(kSettle);
        std::printf("startup_ms %.2f peak_kib %ld rss_kib %ld\n", seconds(mapped - begun) * 1e3,
                    statusField(status, "VmHWM"), statusField(status, "VmRSS"));
        return 0;
    }
    std::this_thread::sleep_for(kSettle);
    if (mode == "timeup") {
        probe.pressF2(window);
        const Clock::time_point pressed = Clock::now();
        const auto message = probe.nextWindow(std::chrono::seconds(stretch + 5));
        std::printf("timeup_s %.4f\n", seconds(message.second - pressed));
        return 0;
    }
    if (mode == "countdown") {
        probe.pressF2(window);
        std::this_thread::sleep_for(200ms);
    } else if (mode != "idle") {
        throw std::invalid_argument("unknown mode " + mode);
    }
    const Usage before = usageOf(probe.child());
    std::this_thread::sleep_for(std::chrono::seconds(stretch));
    const Usage after = usageOf(probe.child());
    std::printf("cpu_ms %.2f wakeups %ld main_wakeups %ld\n", after.cpuMs - before.cpuMs,
                after.wakeups - before.wakeups, after.mainWakeups - before.mainWakeups);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        static_cast<void>(std::fputs(
            "usage: numorra_probe start|idle|countdown|timeup SECONDS PROGRAM [ARGS...]\n",
            stderr));
        return 2;
    }
    try {
        return run(argv[1], std::stoi(argv[2]), argv + 3);
    } catch (const std::exception& fault) {
        static_cast<void>(std::fprintf(stderr, "numorra_probe: %s\n", fault.what()));
        return 1;
    }
}
