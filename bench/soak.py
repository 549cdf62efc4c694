"""A long evening of play: the game under Xvfb and openbox played by keyboard for many
rounds, each a level switch, a game with two openings and Stop, the About
window opened and closed, and the colour dialog opened and cancelled, with
the resident memory sampled as it goes. Used by run_bench.py; on its own:
    soak.py GAME ROUNDS [accessible]
with DISPLAY set."""

import os
import subprocess
import sys
import tempfile
import time

WARM_UP = 20
SAMPLE_EVERY = 20


def keys(*names, pause=0.05):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(pause)


def resident_mib(pid):
    with open(f"/proc/{pid}/status", encoding="utf-8") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS")) / 1024


def windows_titled(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True).stdout.split()
    return len(found)


def play_round(number):
    # Options > Levels: Medium and Easy by turns.
    keys("alt+o", "Right", "Down", "Down" if number % 2 == 0 else "Up", "Return", pause=0.1)
    # A game: two openings, each message dismissed, then Stop.
    keys("F2", "space", "Return", "Right", "space", "Return", "F4")
    # Help > About, closed by its OK (Alt+O).
    keys("alt+h", "Down", "Return", pause=0.1)
    keys("alt+o", pause=0.1)
    # Options > Backgound Colors > Custom Colors, cancelled.
    keys("alt+o", "Down", "Right", "Down", "Return", pause=0.1)
    keys("Escape", pause=0.1)


def soak(game, rounds, accessible):
    """Plays ROUNDS rounds after the warm-up; returns the samples of
    (round, resident MiB) from the end of the warm-up on."""
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb")
        command = [game]
        if accessible:
            # A session bus with the accessibility bus on it, and the
            # toolkit's accessibility on as a screen reader would turn it on.
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            command = ["dbus-run-session", "--", "sh", "-c",
                       "/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1; exec \"$0\"",
                       game]
        # Under a window manager, as a player plays: without one the About
        # window's growth did not show.
        manager = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
        run = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                            "^Numorra v 1.0$"], check=True, capture_output=True, timeout=30)
            pid = int(subprocess.run(["pgrep", "-n", "-f", f"^{game}$"], capture_output=True,
                                     text=True, check=True).stdout.split()[0])
            time.sleep(0.5)
            samples = []
            for number in range(1, WARM_UP + rounds + 1):
                play_round(number)
                if number >= WARM_UP and (number - WARM_UP) % SAMPLE_EVERY == 0:
                    # Every round ends where it began: one board, nothing else open.
                    if windows_titled("Numorra v 1.0") != 1 or windows_titled("Select Color") \
                            or windows_titled("About Numorra v 1.0"):
                        raise SystemExit(f"soak: round {number} did not end on the board alone")
                    samples.append((number - WARM_UP, resident_mib(pid)))
                    print(f"soak: {'accessible, ' if accessible else ''}round {number - WARM_UP}: "
                          f"{samples[-1][1]:.1f} MiB", flush=True)
            return samples
        finally:
            os.killpg(run.pid, 15)
            run.wait()
            manager.terminate()
            manager.wait()


def growth_per_100(samples):
    """The least-squares slope of the samples, in MiB per 100 rounds."""
    n = len(samples)
    mean_x = sum(x for x, _ in samples) / n
    mean_y = sum(y for _, y in samples) / n
    slope = sum((x - mean_x) * (y - mean_y) for x, y in samples) / \
        sum((x - mean_x) ** 2 for x, _ in samples)
    return slope * 100


if __name__ == "__main__":
    result = soak(os.path.abspath(sys.argv[1]), int(sys.argv[2]), sys.argv[3:] == ["accessible"])
    print(f"soak: {result[0][1]:.1f} to {result[-1][1]:.1f} MiB, "
          f"{growth_per_100(result):+.2f} MiB per 100 rounds")
