#!/usr/bin/python3
"""Plays Numorra by keyboard while Orca listens, for scripts/screenreader.sh
and the screenreader test: on Easy a game that the chance limit ends, a
game ended by Stop and a won game; then a switch to Hard and a game whose
time runs out.

The target is read, as a screen reader hears it, from the boxes'
descriptions. The game's calendar clock is held still
(screenreader_session.sh), so every start draws one target, which a box
holds: the won game takes one start. Which box holds which number, and each
level's time, come from the tests' written-out facts
(tests/levels.txt). Writes each key it presses to KEYS, one
"<time> <key> <what the key is for>" a line.
Usage: screenreader_play.py SOURCE_DIR KEYS
"""
import re
import shlex
import subprocess
import sys
import time

import pyatspi

source, keys_file = sys.argv[1], sys.argv[2]
keys_log = open(keys_file, "w", buffering=1)


# The levels as players know them: "level NAME WINDOW LOWEST HIGHEST
# SECONDS", and "numbers LEVEL" with each row of the board's numbers.
FACTS = [shlex.split(line) for line in open(f"{source}/tests/levels.txt")
         if line.strip() and not line.startswith("#")]
LEVELS = [words[1] for words in FACTS if words[0] == "level"]


def board_numbers(level):
    """Each box's (row, column) and the number it hides on LEVEL."""
    rows = [w[2:] for w in FACTS if w[:2] == ["numbers", level]]
    return {(row, column): int(number) for row, numbers in enumerate(rows, 1)
            for column, number in enumerate(numbers, 1)}


def player_seconds(level):
    """The time a start gives the player on LEVEL."""
    return next(int(w[5]) for w in FACTS if w[:2] == ["level", level])


def note(key, what):
    keys_log.write(f"{time.time():.6f} {key} {what}\n")


def press(key, what, pause=0.7):
    note(key, what)
    if key.startswith("alt+"):
        # Orca takes a quick Alt+key from xdotool for its own: the Alt key is
        # held down while the other is pressed, as a player's hand does.
        subprocess.run(["xdotool", "keydown", "alt"], check=True)
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", key[len("alt+"):]], check=True)
        time.sleep(0.3)
        subprocess.run(["xdotool", "keyup", "alt"], check=True)
    else:
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    time.sleep(pause)


def target():
    """The target number, as a box names it to the screen reader. The
    boxes' descriptions reach the accessibility bus a moment after the
    start; they are looked for for up to ten seconds."""
    wanted = re.compile(r"Find out this number: (\d+)$")
    for _ in range(40):
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name.lower() != "numorra":
                continue
            # What the bus was told before the start may be kept for it.
            app.clearCache()
            found = pyatspi.findDescendant(
                app, lambda o: o is not None and wanted.search(o.description or ""))
            if found is not None:
                return int(wanted.search(found.description)[1])
        time.sleep(0.25)
    raise SystemExit("screenreader: no box names the target")


def wait_for_message(title, seconds):
    """Waits, up to SECONDS, until the game shows a message titled TITLE."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "numorra":
                app.clearCache()
                if any(window is not None and window.name == title for window in app):
                    return
        time.sleep(0.25)
    raise SystemExit(f"screenreader: no message '{title}' within {seconds} s")


def start(key, what="start"):
    """Starts a game; the target goes into a line of its own."""
    note(key, what)
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    time.sleep(0.8)
    number = target()
    note("-", f"target:{number}")
    return number


def walk(here, there):
    """Arrow keys from one grid place to another."""
    (row, column), (to_row, to_column) = here, there
    keys = ["Down" if to_row > row else "Up"] * abs(to_row - row)
    keys += ["Right" if to_column > column else "Left"] * abs(to_column - column)
    for key in keys:
        press(key, "move", pause=0.3)
    return there


FIRST_BOX = (2, 4)  # Command2, where a start puts the focus

easy = board_numbers("Easy")
note("-", "level:Easy")
# Orca takes the board in when the focus first moves on it: Tab to the
# first box's place in the tab order and back to Start.
press("Tab", "move")
press("shift+Tab", "move")
# A game the chance limit ends: eight misses along the top rows.
wanted = start("F2")
focus = FIRST_BOX
misses = [place for place in sorted(easy) if easy[place] != wanted][:8]
for opening, place in enumerate(misses, start=1):
    focus = walk(focus, place)
    press("space", "open")
    press("Return", "dismiss")
press("Return", "dismiss")  # "You Have No More Chance."
# Start, now "Next Number", has the focus: Space starts, F4 stops.
start("space")
press("F4", "stop")
# A won game: the held clock draws the same target as before, one that a
# box holds.
wanted = start("F2")
if wanted not in easy.values():
    raise SystemExit(f"screenreader: the held clock drew {wanted}, which no box holds: the game "
                     "draws differently now; hold its clock (screenreader_session.sh) at another "
                     "moment")
time.sleep(1.5)
winner = next(place for place, number in easy.items() if number == wanted)
walk(FIRST_BOX, winner)
press("space", "open")
press("Return", "dismiss")
# Options > Levels > Hard: the Easy board gives way to the Hard one.
press("alt+o", "menu")
press("Right", "menu")
press("Down", "menu", pause=0.4)
press("Down", "menu", pause=0.4)
press("Return", "switch", pause=2.0)
note("-", "level:Hard")
start("F2")
note("-", "wait")
# Hard's time runs out (two seconds' margin for the message to reach the
# bus), then Orca has a second to speak it.
wait_for_message("Time Up", player_seconds("Hard") + 2)
time.sleep(1.0)
press("Return", "dismiss")
note("-", "end")
