#!/usr/bin/python3
# Rounds of practice played as a screen-reader user plays them, through the real AT-SPI stack:
# the question read in words, value questions answered with the answer buttons' actions, place
# and find questions by setting the circle view's value and pressing Check; one answer wrong on
# purpose in the first round, whose explanation and marked buttons are read. Every feedback is
# heard from the focused button; while a place question is open the circle's spoken text does not
# name the angle. The first round ends with 9 of 10 and offers the missed question again; three
# rounds ask for every one of the six functions.
# Usage: practice.py PROGRAM
import math
import os
import re
import signal
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stack import Stack, find_application, pump, walk, check, failures, run_checks  # noqa: E402

# The answer buttons' names and their values.
NAMES = {"minus 1": -1.0, "minus root 3 over 2": -math.sqrt(3) / 2, "minus root 2 over 2": -math.sqrt(2) / 2,
         "minus 1 over 2": -0.5, "0": 0.0, "1 over 2": 0.5, "root 2 over 2": math.sqrt(2) / 2,
         "root 3 over 2": math.sqrt(3) / 2, "1": 1.0, "minus root 3": -math.sqrt(3),
         "minus root 3 over 3": -math.sqrt(3) / 3, "root 3 over 3": math.sqrt(3) / 3,
         "root 3": math.sqrt(3), "undefined": None, "minus 2": -2.0, "minus root 2": -math.sqrt(2),
         "minus 2 root 3 over 3": -2 * math.sqrt(3) / 3, "2 root 3 over 3": 2 * math.sqrt(3) / 3,
         "root 2": math.sqrt(2), "2": 2.0}


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
    s = 0.0 if abs(s) < 1e-9 else s
    c = 0.0 if abs(c) < 1e-9 else c
    ratio = {"sine": (s, 1.0), "cosine": (c, 1.0), "tangent": (s, c), "cotangent": (c, s),
             "secant": (1.0, c), "cosecant": (1.0, s)}[function]
    return None if ratio[1] == 0.0 else ratio[0] / ratio[1]


def main(program):
    signal.alarm(190)
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
        field = next(n for n in walk(app) if n.name == "Angle"
                     and n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY))
        stack.focus_program_window()
        pump(1.0)
        # Opened with its shortcut, the panel takes the focus where the question is heard.
        for _ in range(2):
            stack.xdotool("key", "ctrl+r")
            pump(1.0)
        focused = next((n for n in walk(app) if n.getState().contains(pyatspi.STATE_FOCUSED)), None)
        check(focused is not None and focused.getRole() == pyatspi.ROLE_PUSH_BUTTON
              and focused.description.startswith(("What is", "Move the point")),
              "opening the panel puts the focus on a button that says the question: %r"
              % ((focused.name, focused.description) if focused is not None else None,))
        kinds = set()
        functions = set()
        wrong_done = False
        place_checked = False

        def play(round_number, questions):
            nonlocal wrong_done, place_checked
            for number in range(1, questions + 1):
                score = showing(pyatspi.ROLE_LABEL, "Question ")
                check(score and score[0].name.startswith("Question %d of %d" % (number, questions)),
                      "question %d is scored: %r" % (number, score[0].name if score else None))
                question = next((n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                                 and (n.name.startswith("What is") or n.name.startswith("Move the point"))
                                 and n.getState().contains(pyatspi.STATE_SHOWING)), "")
                check(question != "" and not any(c in question for c in "\u2215\u2212\u221a\u03c0"),
                      "the question is in words: %r" % question)
                m = re.fullmatch(r"What is the (sine|cosine|tangent|cotangent|secant|cosecant) of (.+)\?",
                                 question)
                # The first round's wrong answer: a value off the axes, where there is a quadrant
                # and a reference angle to tell, else the last question.
                make_wrong = round_number == 1 and not wrong_done and (
                    number == questions
                    or (m is not None and number >= 3 and round(math.degrees(angle_of(m.group(2)))) % 90 != 0))
                if m:
                    kinds.add("value")
                    functions.add(m.group(1))
                    right = value_of(m.group(1), angle_of(m.group(2)))
                    buttons = [b for b in walk(app) if b.getRole() == pyatspi.ROLE_PUSH_BUTTON
                               and b.name in NAMES and b.getState().contains(pyatspi.STATE_SHOWING)]

                    def is_right(b):
                        v = NAMES[b.name]
                        return (v is None and right is None) or (v is not None and right is not None
                                                                   and abs(v - right) < 1e-6)
                    check(sum(1 for b in buttons if is_right(b)) == 1,
                          "one button answers %r: %r" % (question, [b.name for b in buttons]))
                    choice = next(b for b in buttons if is_right(b) != make_wrong)
                    right_button = next(b for b in buttons if is_right(b))
                    press(choice)
                    if make_wrong:
                        check(choice.name.endswith(", your answer"),
                              "the chosen button is marked: %r" % choice.name)
                        check(right_button.name.endswith(", right answer"),
                              "the right button is marked: %r" % right_button.name)
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
                    if not f:
                        # Nothing names the angle asked for: the point is told by its coordinates.
                        check("theta" not in view.description and view.description.startswith("cosine"),
                              "during a place question the circle says no theta: %r" % view.description)
                        check(field.queryText().getText(0, -1) == ""
                              and not field.getState().contains(pyatspi.STATE_ENABLED),
                              "during a place question the angle field is empty and disabled")
                    check_button = showing(pyatspi.ROLE_PUSH_BUTTON, "Check")[0]
                    del heard[:]
                    press(check_button)
                    if not f:
                        place_checked = True
                        check(view.description.startswith("theta "),
                              "after Check the circle names theta again: %r" % view.description)
                    if make_wrong:
                        check(abs(math.remainder(view.queryValue().currentValue - target, 2 * math.pi)) < 1e-5,
                              "after a wrong place the view stands at the right angle")
                feedback = next((n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                                 and (n.name.startswith("Right") or n.name.startswith("Not quite"))), "")
                if make_wrong:
                    wrong_done = True
                    print("      the wrong answer's feedback: %r" % feedback)
                    check(feedback.startswith("Not quite. ") and len(feedback) > 30,
                          "a wrong answer is explained: %r" % feedback)
                    if m and m.group(0).startswith("What is"):
                        check(re.search(r"lies in quadrant [1-4], where the \w+ is (positive|negative); "
                                        r"its reference angle is .+ and the \w+ of .+ is .+, so the \w+ of .+ is .+\.$",
                                        feedback) is not None,
                              "the explanation names the quadrant, the sign and the reference angle")
                        for b in walk(app):
                            if b.getRole() == pyatspi.ROLE_PUSH_BUTTON and "answer" in b.name:
                                print("      marked button: %r" % b.name)
                else:
                    check(feedback == "Right.", "a right answer is right: %r (%r)" % (feedback, question))
                # Heard from the button with the focus, without the user moving it: said as it
                # changes, or as the focus goes on from the answer given to Next.
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
                if number < questions:
                    # Said by the button that takes the focus from Next, where the answer is given.
                    focused = next((n for n in walk(app) if n.getState().contains(pyatspi.STATE_FOCUSED)
                                    and n.getRole() == pyatspi.ROLE_PUSH_BUTTON), None)
                    check(focused is not None
                          and focused.description.startswith(("What is", "Move the point")),
                          "the next question is heard where the focus is: %r"
                          % (focused.description if focused else None))

        play(1, 10)
        check(kinds == {"value", "place", "find"}, "the round holds all three kinds: %s" % sorted(kinds))
        over = showing(pyatspi.ROLE_LABEL, "Round over")
        check(over and over[0].name == "Round over: 9 of 10 right",
              "the round ends with 9 of 10: %r" % (over[0].name if over else None))
        missed = [n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                  and "You answered" in n.name]
        print("      the summary: %r" % missed)
        check(missed and "; the answer is " in missed[0], "the summary lists the miss: %r" % missed)
        again = showing(pyatspi.ROLE_PUSH_BUTTON, "Practise Missed")
        if check(bool(again), "a round with a miss offers Practise Missed"):
            press(again[0])
            play(2, 1)
            over = showing(pyatspi.ROLE_LABEL, "Round over")
            check(over and over[0].name == "Round over: 1 of 1 right" and not showing(
                pyatspi.ROLE_PUSH_BUTTON, "Practise Missed"),
                "the missed question, answered, ends the round with nothing missed: %r"
                % (over[0].name if over else None))
        for round_number in (3, 4):
            press(showing(pyatspi.ROLE_PUSH_BUTTON, "New Round")[0])
            play(round_number, 10)
        check(place_checked, "a place question was played")
        check({"secant", "cosecant", "cotangent"} <= functions,
              "three rounds ask for the secant, cosecant and cotangent: %s" % sorted(functions))
        check(stack.program.poll() is None, "the program is still running")


if __name__ == "__main__":
    run_checks(main)
