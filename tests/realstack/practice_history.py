#!/usr/bin/python3
# Practice that remembers, played through the real AT-SPI stack as a screen-reader user plays it:
# one skill missed in the first round is asked again in the next two rounds and missed each time;
# the program is killed (SIGKILL) mid-round and its history holds a row for every answer given;
# started again, its Progress panel names the skill as learning, and the first round asks it.
# Usage: practice_history.py PROGRAM
import math
from fractions import Fraction
import os
import re
import sqlite3
import signal
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from practice import NAMES, angle_of, value_of  # noqa: E402
from stack import Stack, find_application, pump, walk, check, failures, run_checks  # noqa: E402

def skill_of(question):
    """The skill a question practises, as the program counts skills: ("value", function, degrees)
    or ("place", degrees), the degrees in one turn."""
    m = re.fullmatch(r"What is the (sine|cosine|tangent|cotangent|secant|cosecant) of (.+)\?", question)
    if m:
        return ("value", m.group(1), round(math.degrees(angle_of(m.group(2)))) % 360)
    f = re.fullmatch(r"Move the point to the angle between 0 and 2 pi whose (sine|cosine) is "
                     r"(.+) and whose (sine|cosine) is (positive|negative)\.", question)
    if f:
        given = NAMES[f.group(2)]
        return ("place", next(d for d in range(0, 360, 15)
                              if abs(value_of(f.group(1), math.radians(d)) - given) < 1e-6
                              and (value_of(f.group(3), math.radians(d)) > 1e-9) == (f.group(4) == "positive")))
    m = re.fullmatch(r"Move the point to (.+)\.", question)
    return ("place", round(math.degrees(angle_of(m.group(1)))) % 360) if m else None


def angle_words(degrees):
    """240 -> '4 pi over 3', as speech says an angle of the figure in radians."""
    if degrees == 0:
        return "0"
    f = Fraction(degrees, 180)
    words = "pi" if f.numerator == 1 else "%d pi" % f.numerator
    return words if f.denominator == 1 else "%s over %d" % (words, f.denominator)


def skill_words(skill):
    """The progress panel's words for a skill: 'sine at 4 pi over 3', 'placing pi over 2'."""
    if skill[0] == "value":
        return "%s at %s" % (skill[1], angle_words(skill[2]))
    return "placing %s" % angle_words(skill[1])


def main(program):
    signal.alarm(200)
    with Stack() as stack:
        config = os.path.join(stack.config_home, "unitcircle")
        os.makedirs(config)
        with open(os.path.join(config, "unitcircle.conf"), "w") as f:
            f.write("[General]\nprefs_practice=1\n")
        stack.run_program([program])
        import pyatspi

        app = find_application(stack)
        if not check(app is not None, "the program registers with the accessibility bus"):
            return

        def showing(role, prefix):
            return [n for n in walk(app) if n.getRole() == role and n.name.startswith(prefix)
                    and n.getState().contains(pyatspi.STATE_SHOWING)]

        def press(button):
            action = button.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            action.doAction(names.index("Press"))
            pump(0.5)

        def current_question():
            return next((n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                         and (n.name.startswith("What is") or n.name.startswith("Move the point"))
                         and n.getState().contains(pyatspi.STATE_SHOWING)), "")

        def answer(question, wrong):
            skill = skill_of(question)
            if skill[0] == "value":
                right = value_of(skill[1], math.radians(skill[2]))
                buttons = [b for b in walk(app) if b.getRole() == pyatspi.ROLE_PUSH_BUTTON
                           and b.name in NAMES and b.getState().contains(pyatspi.STATE_SHOWING)]

                def is_right(b):
                    v = NAMES[b.name]
                    return (v is None and right is None) or (v is not None and right is not None
                                                               and abs(v - right) < 1e-6)
                press(next(b for b in buttons if is_right(b) != wrong))
            else:
                view.queryValue().currentValue = (math.radians(skill[1])
                                                  + (math.pi / 2 if wrong else 0.0))
                pump(0.3)
                press(showing(pyatspi.ROLE_PUSH_BUTTON, "Check")[0])

        def new_round():
            press(showing(pyatspi.ROLE_PUSH_BUTTON, "New Round")[0])
            # A round with answers asks before it is thrown away.
            confirm = showing(pyatspi.ROLE_PUSH_BUTTON, "Start New Round")
            if confirm:
                press(confirm[0])

        given = [0]

        def miss_when_asked(skill):
            """Answers the round right until skill is asked (or, with none, the third question),
            then misses it; answers what was missed, or None."""
            for number in range(1, 11):
                question = current_question()
                if not question:
                    return None
                given[0] += 1
                if skill_of(question) == skill or (skill is None and number == 3):
                    answer(question, True)
                    return skill_of(question)
                answer(question, False)
                press(showing(pyatspi.ROLE_PUSH_BUTTON, "Next")[0])
            return None

        view = next(n for n in walk(app) if n.getRole() == pyatspi.ROLE_SLIDER)
        stack.focus_program_window()
        pump(1.0)
        missed = miss_when_asked(None)
        check(missed is not None, "a skill was missed in the first round: %r" % (missed,))
        for round_number in (2, 3):
            new_round()
            check(miss_when_asked(missed) == missed, "round %d asks the missed skill %s again"
                  % (round_number, skill_words(missed)))

        # Killed in the middle of the round, with no chance to close anything: every answer given
        # is a row of the history.
        os.killpg(stack.program.pid, signal.SIGKILL)
        stack.program.wait()
        database = sqlite3.connect(os.path.join(stack.data_home, "unitcircle", "practice.sqlite"))
        rows = database.execute("SELECT count(*), sum(1 - right) FROM answers").fetchone()
        database.close()
        check(rows[0] == given[0] and rows[1] == 3,
              "the history holds the %d answers given, 3 of them missed: %r" % (given[0], rows))

        # Started again: the history was kept.
        with open(os.path.join(config, "unitcircle.conf"), "w") as f:
            # Practice opens after the progress is read: while its question hides the angle,
            # the names of the skills due wait.
            f.write("[General]\nprefs_progress=1\n")
        stack.run_program([program])
        app = find_application(stack)
        if not check(app is not None, "the program registers again after the restart"):
            return
        view = next(n for n in walk(app) if n.getRole() == pyatspi.ROLE_SLIDER)
        pump(1.0)
        due = showing(pyatspi.ROLE_LABEL, "Due now")
        expected = skill_words(missed) + ": learning"
        check(due and expected in due[0].name,
              "the progress panel names %r: %r" % (expected, due[0].name if due else None))
        # The panel shows the sine until another function is chosen: its sixteen angles in words.
        items = [n.name for n in walk(app) if re.fullmatch(r"sine at .+: (new|learning|familiar|mastered)",
                                                           n.name or "")]
        check(len(items) == 16 and (expected in items or missed[:2] != ("value", "sine")),
              "the list of angles says each in words: %r" % items[:3])
        stack.focus_program_window()
        stack.xdotool("key", "ctrl+r")
        pump(1.0)
        check(miss_when_asked(missed) == missed, "the first round after the restart asks it")
        check(stack.program.poll() is None, "the program is still running after the restart")


if __name__ == "__main__":
    run_checks(main)
