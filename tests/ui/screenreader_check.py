#!/usr/bin/python3
"""Reads what Orca said during scripts/screenreader_play.py's games, prints
the transcript, and fails where a blind player would be let down: a start
whose target is not spoken, a message spoken other than once, nothing
spoken after a message or Stop, a phrase naming a box's hidden number, or
Orca hearing of controls already destroyed by the level switch.
Usage: screenreader_check.py ORCA_LOG KEYS LEVEL_FACTS
"""
import datetime
import re
import shlex
import sys

orca_log, keys_file, facts_file = sys.argv[1:4]
facts = [shlex.split(line) for line in open(facts_file) if line.strip() and line[0] != "#"]
levels = [words[1] for words in facts if words[0] == "level"]
hidden = {level: {int(n) for w in facts if w[:2] == ["numbers", level] for n in w[2:]} for level in levels}

midnight = datetime.datetime.combine(datetime.date.today(), datetime.time()).timestamp()
phrases, dead, when = [], [], 0.0
for line in open(orca_log, errors="replace"):
    if m := re.match(r"^(\d\d):(\d\d):(\d\d\.\d+) - ", line):
        when = midnight + int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3])
    if m := re.search(r"SPEECH OUTPUT: '(.*)'", line):
        said = re.sub(r"'\s*\{'established.*$", "", m[1]).strip()
        # Orca's echo of the keys pressed tells nothing of the game.
        if said and not re.fullmatch(r"(left |right )?(space|return|f2|f4|down|up|left|right|alt|o|tab|shift)",
                                     said.lower()):
            phrases.append((when, said))
    # Events from controls already destroyed (not Orca's note that its focus is gone).
    if re.search(r"defunct (source|object)|for \[DEAD\]", line):
        dead.append((when, line.strip()))

events = [(float(t), key, what.strip()) for t, key, what in (line.split(maxsplit=2) for line in open(keys_file))]
notes = [e for e in events if e[1] == "-"]
# A stretch of speech runs from one key (or the wait for time up) to the next.
bounds = [e for e in events if e[1] != "-" or e[2] == "wait"] + [(float("inf"), "-", "end")]
failures, level, openings, switched = [], levels[0], 0, None
for (moment, key, what), (following, _, _) in zip(bounds, bounds[1:]):
    level = ([n[2].split(":")[1] for n in notes if n[0] <= moment and n[2].startswith("level:")] or [level])[-1]
    texts = [said for at, said in phrases if moment <= at < following]
    print(f"[{key if key != '-' else what}]\n" + "".join(f"    {text}\n" for text in texts), end="")
    spoken = lambda needle: sum(text.count(needle) for text in texts)
    wrong = []
    if what == "start":
        target = next(n[2].split(":")[1] for n in notes if n[0] >= moment and n[2].startswith("target:"))
        openings = 0
        wrong += [f"the target {target} was not spoken"] * (spoken(f"Find out this number: {target}") == 0)
    elif what.startswith("open"):
        openings += 1
        if (count := spoken("This Button Contains") + spoken("You Won!!!")) != 1:
            wrong.append(f"the message was spoken {count} times")
    elif what in ("dismiss", "stop") and not texts:
        wrong.append(f"nothing was spoken after {'the message' if what == 'dismiss' else 'Stop'}")
    elif what == "switch":
        switched = moment
    if what == "dismiss" and openings == 8:
        openings = 0
        if (count := spoken("You Have No More Chance.")) != 1:
            wrong.append(f"the chance limit was spoken {count} times")
    if what == "wait" and (count := spoken("Your Time is Up.")) != 1:
        wrong.append(f"time up was spoken {count} times")
    # The target, and an opened box's number in its message, are the only numbers of the board said.
    for text in texts:
        for number in re.findall(r"\b\d+\b", re.sub(r"Find out this number: \d+|Contains : \d+", "", text)):
            wrong += [f"'{text}' names the hidden {number}"] * (int(number) in hidden[level])
    failures += [f"{key} ({what}) at {datetime.datetime.fromtimestamp(moment):%H:%M:%S}: {w}" for w in wrong]

if switched is None:
    failures.append("the level switch never happened")
else:
    settled = next(moment for moment, _, _ in bounds if moment > switched)
    failures += [f"after the level switch: {line}" for at, line in dead if switched <= at < settled]
for failure in failures:
    print(f"screenreader: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
