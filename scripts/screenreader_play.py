#!/usr/bin/python3
"""Plays one game of Numorra by keyboard while Orca listens, for
scripts/screenreader.sh: a start, two misses, a win, the next game, Stop.

The target is drawn at random, and most targets are in no box, so the
player starts games until one's target is (a sighted player reads the
target off the board; this one reads what the boxes tell the screen
reader). Writes the time of each key it presses to KEYS, one
"<time> <key>" a line, for the transcript.
Usage: screenreader_play.py SOURCE_DIR KEYS
"""
import re
import subprocess
import sys
import time

import pyatspi

source, keys_file = sys.argv[1], sys.argv[2]
keys_log = open(keys_file, "w", buffering=1)


def easy_board():
    """Each box's (row, column) and the number it hides on Easy, from the
    game's own level table."""
    header = open(f"{source}/board/level_table.h").read()
    places = [(int(r), int(c)) for r, c in
              re.findall(r'\{"Command\d+", (\d), (\d)\}', header)]
    table = open(f"{source}/board/level_table.cpp").read()
    easy = re.search(r'"Form1",\s*\d+,\s*\d+,\s*\{([^}]*)\}', table).group(1)
    numbers = [int(n) for n in re.findall(r"\d+", easy)]
    assert len(places) == len(numbers) == 40
    return dict(zip(places, numbers))


def press(*keys, pause=1.2):
    for key in keys:
        keys_log.write(f"{time.time():.6f} {key}\n")
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        time.sleep(pause)


def target():
    """The target number, as a box names it to the screen reader during a
    game."""
    wanted = re.compile(r"Find out this number: (\d+)$")
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name.lower() != "numorra":
            continue
        found = pyatspi.findDescendant(
            app, lambda o: o is not None and wanted.search(o.description or ""))
        if found is not None:
            return int(wanted.search(found.description)[1])
    raise SystemExit("screenreader: no box names the target")


def walk(here, there):
    """Arrow keys from one grid place to another."""
    (row, column), (to_row, to_column) = here, there
    keys = ["Down" if to_row > row else "Up"] * abs(to_row - row)
    keys += ["Right" if to_column > column else "Left"] * abs(to_column - column)
    return keys


board = easy_board()
focus = (2, 4)  # Command2, where a start puts the focus
for attempt in range(200):
    press("F2")
    wanted = target()
    if wanted in board.values():
        break
    press("F4")
else:
    raise SystemExit("screenreader: no target in a box after 200 games")
keys_log.write(f"{time.time():.6f} GAME\n")

misses = [place for place, number in sorted(board.items()) if number != wanted][:2]
for miss in misses:
    press(*walk(focus, miss))
    focus = miss
    press("space", "Return")
winner = next(place for place, number in board.items() if number == wanted)
press(*walk(focus, winner))
press("space", "Return")
# Start now reads "Next Number" and has the focus: Space starts the next game.
press("space")
press("F4")
keys_log.write(f"{time.time():.6f} END\n")
