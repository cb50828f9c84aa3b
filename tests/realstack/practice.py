#!/usr/bin/python3
# A round of practice played as a screen-reader user plays it, through the real AT-SPI stack:
# the question read in words, value questions answered with the answer buttons' actions, place
# and find questions by setting the circle view's value and pressing Check; one answer wrong on
# purpose. Every feedback is heard from the focused button, and the round ends with 9 of 10.
# Then practice remembers: the skill missed is asked again in the next two rounds and missed each
# time; the program is killed (SIGKILL) mid-round and its history holds a row for every answer
# given; started again, its Progress panel names the skill as learning, and the first round asks
# it again.
# Usage: practice.py PROGRAM
import math
import os
from fractions import Fraction
import re
import signal
import sqlite3
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stack import Stack, find_application, pump, walk, check, failures, run_checks  # noqa: E402

# The answer buttons' names and their values.
NAMES = {"minus 1": -1.0, "minus root 3 over 2": -math.sqrt(3) / 2, "minus root 2 over 2": -math.sqrt(2) / 2,
         "minus 1 over 2": -0.5, "0": 0.0, "1 over 2": 0.5, "root 2 over 2": math.sqrt(2) / 2,
         "root 3 over 2": math.sqrt(3) / 2, "1": 1.0, "minus root 3": -math.sqrt(3),
         "minus root 3 over 3": -math.sqrt(3) / 3, "root 3 over 3": math.sqrt(3) / 3,
         "root 3": math.sqrt(3), "undefined": None}


def angle_of(words):
    """'minus 3 pi over 4' -> radians."""
    negative = words.startswith("minus ")
    words = words[6:] if negative else words
    m = re.fullmatch(r"(?:(\d+) )?pi(?: over (\d+))?|(0)", words)
    if not m:
        raise ValueError(words)
    value = 0.0 if m.group(3) else int(m.group(1) or 1) * math.pi / int(m.group(2) or 1)
    return -value if negative else value


def value_of(function, theta):
    s, c = math.sin(theta), math.cos(theta)
    if function == "sine":
        return s
    if function == "cosine":
        return c
    return None if abs(c) < 1e-9 else s / c


def skill_of(question):
    """The skill a question practises, as the program counts skills: ("value", function, degrees)
    or ("place", degrees), the degrees in one turn."""
    m = re.fullmatch(r"What is the (sine|cosine|tangent) of (.+)\?", question)
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
    signal.alarm(240)
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

        heard = []
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append(str(e.any_data)),
            "object:property-change:accessible-description")

        view = next(n for n in walk(app) if n.getRole() == pyatspi.ROLE_SLIDER)
        stack.focus_program_window()
        pump(1.0)
        kinds = set()
        wrong_done = False
        missed = None
        for number in range(1, 11):
            score = showing(pyatspi.ROLE_LABEL, "Question ")
            check(score and score[0].name.startswith("Question %d of 10" % number), "question %d is scored: %r"
                  % (number, score[0].name if score else None))
            question = next((n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                             and (n.name.startswith("What is") or n.name.startswith("Move the point"))
                             and n.getState().contains(pyatspi.STATE_SHOWING)), "")
            check(question != "" and not any(c in question for c in "\u2215\u2212\u221a\u03c0"),
                  "the question is in words: %r" % question)
            make_wrong = not wrong_done and number >= 3
            if make_wrong:
                missed = skill_of(question)
            m = re.fullmatch(r"What is the (sine|cosine|tangent) of (.+)\?", question)
            if m:
                kinds.add("value")
                right = value_of(m.group(1), angle_of(m.group(2)))
                buttons = [b for b in walk(app) if b.getRole() == pyatspi.ROLE_PUSH_BUTTON
                           and b.name in NAMES and b.getState().contains(pyatspi.STATE_SHOWING)]
                def is_right(b):
                    v = NAMES[b.name]
                    return (v is None and right is None) or (v is not None and right is not None
                                                               and abs(v - right) < 1e-6)
                choice = next(b for b in buttons if is_right(b) != make_wrong)
                press(choice)
            else:
                m = re.fullmatch(r"Move the point to (.+)\.", question)
                f = re.fullmatch(r"Move the point to the angle between 0 and 2 pi whose (sine|cosine) is "
                                 r"(.+) and whose (sine|cosine) is (positive|negative)\.", question)
                if f:
                    kinds.add("find")
                    given = NAMES[f.group(2)]
                    target = next(d for d in range(0, 360, 15)
                                  if abs(value_of(f.group(1), math.radians(d)) - given) < 1e-6
                                  and (value_of(f.group(3), math.radians(d)) > 1e-9) == (f.group(4) == "positive"))
                    target = math.radians(target)
                else:
                    kinds.add("place")
                    target = angle_of(m.group(1))
                view.queryValue().currentValue = target + (math.pi / 2 if make_wrong else 0.0)
                pump(0.4)
                check_button = showing(pyatspi.ROLE_PUSH_BUTTON, "Check")[0]
                del heard[:]
                press(check_button)
                if make_wrong:
                    check(abs(math.remainder(view.queryValue().currentValue - target, 2 * math.pi)) < 1e-5,
                          "after a wrong place the view stands at the right angle")
            feedback = next((n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                             and (n.name.startswith("Right") or n.name.startswith("Not quite"))), "")
            if make_wrong:
                wrong_done = True
                check(feedback.startswith("Not quite: ") and len(feedback) > 12,
                      "a wrong answer gets the right one: %r" % feedback)
            else:
                check(feedback == "Right.", "a right answer is right: %r (%r)" % (feedback, question))
            # Heard from the button with the focus, without the user moving it: said as it changes,
            # or as the focus goes on from the answer given to Next.
            focused = next((n for n in walk(app) if n.getState().contains(pyatspi.STATE_FOCUSED)
                            and n.getRole() == pyatspi.ROLE_PUSH_BUTTON), None)
            if number > 1:
                check(feedback in heard or (focused is not None and focused.description == feedback),
                      "the feedback is heard where the focus is")
            del heard[:]
            next_button = showing(pyatspi.ROLE_PUSH_BUTTON, "Next")[0]
            next_button.queryComponent().grabFocus()
            pump(0.2)
            press(next_button)
            if number < 10:
                # Said by the button that takes the focus from Next, where the answer is given.
                focused = next((n for n in walk(app) if n.getState().contains(pyatspi.STATE_FOCUSED)
                                and n.getRole() == pyatspi.ROLE_PUSH_BUTTON), None)
                check(focused is not None
                      and focused.description.startswith(("What is", "Move the point")),
                      "the next question is heard where the focus is: %r"
                      % (focused.description if focused else None))
        check(kinds == {"value", "place", "find"}, "the round holds all three kinds: %s" % sorted(kinds))
        over = showing(pyatspi.ROLE_LABEL, "Round over")
        check(over and over[0].name == "Round over: 9 of 10 right",
              "the round ends with 9 of 10: %r" % (over[0].name if over else None))
        check(stack.program.poll() is None, "the program is still running")

        # Practice that remembers.
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
                target = math.radians(skill[1]) + (math.pi / 2 if wrong else 0.0)
                view.queryValue().currentValue = target
                pump(0.3)
                press(showing(pyatspi.ROLE_PUSH_BUTTON, "Check")[0])

        given = [10]

        def miss_when_asked(skill):
            """Answers the round right until skill is asked, then misses it; True if it was."""
            for _ in range(10):
                question = current_question()
                if not question:
                    return False
                given[0] += 1
                if skill_of(question) == skill:
                    answer(question, True)
                    return True
                answer(question, False)
                press(showing(pyatspi.ROLE_PUSH_BUTTON, "Next")[0])
            return False

        check(missed is not None, "a skill was missed: %r" % (missed,))
        for round_number in (2, 3):
            press(showing(pyatspi.ROLE_PUSH_BUTTON, "New Round")[0])
            check(miss_when_asked(missed), "round %d asks the missed skill %s again"
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
            f.write("[General]\nprefs_practice=1\nprefs_progress=1\n")
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
        check(miss_when_asked(missed), "the first round after the restart asks it")
        check(stack.program.poll() is None, "the program is still running after the restart")


if __name__ == "__main__":
    run_checks(main)
