#!/usr/bin/python3
"""Reads what Orca said during scripts/screenreader_play.py's games and
fails where a blind player would be let down: a start whose target is not
spoken, a message spoken other than once, nothing spoken once a message is
dismissed, a phrase that names a box's hidden number, or Orca hearing of
controls already destroyed after the level switch. Prints the transcript.
Usage: screenreader_check.py ORCA_LOG KEYS LEVEL_FACTS
"""
import datetime
import re
import sys

orca_log, keys_file, facts_file = sys.argv[1:4]
failures = []

# The numbers each level hides, from the tests' written-out table.
rows = re.findall(r'\{"Command\d+", \d, \d, \{(\d+), (\d+), (\d+)\}\}', open(facts_file).read())
hidden = {level: {int(row[level]) for row in rows} for level in (0, 1, 2)}

midnight = datetime.datetime.combine(datetime.date.today(), datetime.time()).timestamp()
stamp = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - ")
phrases, dead = [], []
when = 0.0
for line in open(orca_log, errors="replace"):
    if m := stamp.match(line):
        when = midnight + int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3])
    if m := re.search(r"SPEECH OUTPUT: '(.*)'", line):
        said = re.sub(r"'\s*\{'established.*$", "", m[1]).strip()
        # Orca's echo of the keys pressed tells nothing of the game.
        if said and not re.fullmatch(r"(left |right )?(space|return|f2|f4|down|up|left|right|alt|o|tab|shift)",
                                     said.lower()):
            phrases.append((when, said))
    # Events from controls already destroyed. (Orca's note that the focus it
    # had is gone is no such event: the old window's controls are gone.)
    if re.search(r"defunct (source|object)|for \[DEAD\]", line):
        dead.append((when, line.strip()))

events = []
for line in open(keys_file):
    moment, key, what = line.split(maxsplit=2)
    events.append((float(moment), key, what.strip()))
# A stretch of speech runs from one key (or the wait for time up) to the next.
bounds = [e for e in events if e[1] != "-" or e[2] == "wait"] + [(float("inf"), "-", "end")]


def said_between(start, end):
    return [said for moment, said in phrases if start <= moment < end]


def count(texts, needle):
    return sum(text.count(needle) for text in texts)


level, target, openings, switched = 0, None, 0, None
notes = [e for e in events if e[1] == "-"]
for (moment, key, what), (following, _, _) in zip(bounds, bounds[1:]):
    for _, _, note in [n for n in notes if n[0] <= moment]:
        if note.startswith("level:"):
            level = int(note.split(":")[1])
        elif note.startswith("target:"):
            target = int(note.split(":")[1])
    texts = said_between(moment, following)
    print(f"[{key if key != '-' else what}]")
    for text in texts:
        print(f"    {text}")
    label = f"{key} ({what}) at {datetime.datetime.fromtimestamp(moment):%H:%M:%S}"
    if what == "start":
        target = next(int(n[2].split(":")[1]) for n in notes
                      if n[0] >= moment and n[2].startswith("target:"))
        openings = 0
        if count(texts, f"Find out this number: {target}") == 0:
            failures.append(f"{label}: the target {target} was not spoken")
    elif what.startswith("open"):
        openings += 1
        messages = count(texts, "This Button Contains") + count(texts, "You Won!!!")
        if messages != 1:
            failures.append(f"{label}: the message was spoken {messages} times")
    elif what == "dismiss":
        if not texts:
            failures.append(f"{label}: nothing was spoken after the message")
        if openings == 8:
            limits = count(texts, "You Have No More Chance.")
            if limits != 1:
                failures.append(f"{label}: the chance limit was spoken {limits} times")
            openings = 0
    elif what == "wait":
        ups = count(texts, "Your Time is Up.")
        if ups != 1:
            failures.append(f"{label}: time up was spoken {ups} times")
    elif what == "stop" and not texts:
        failures.append(f"{label}: nothing was spoken after Stop")
    elif what == "switch":
        switched = moment
    # No phrase gives away a box's number: the target and an opened box's
    # number, which its message tells, are the only numbers of the board said.
    for text in texts:
        bare = re.sub(r"Find out this number: \d+|Contains : \d+", "", text)
        for number in re.findall(r"\b\d+\b", bare):
            if int(number) in hidden[level]:
                failures.append(f"{label}: '{text}' names the hidden {number}")

if switched is None:
    failures.append("the level switch never happened")
else:
    # The switch's own stretch: until the next key, on the new board.
    settled = next(moment for moment, _, _ in bounds if moment > switched)
    failures += [f"after the level switch: {line}" for moment, line in dead
                 if switched <= moment < settled]

for failure in failures:
    print(f"screenreader: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
