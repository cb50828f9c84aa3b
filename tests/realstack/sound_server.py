#!/usr/bin/python3
# The tone when the sound server goes and comes back, as it does when a headset connects, after a
# suspend, or when the user restarts it: the program runs with sound on (the sine) against a
# PulseAudio server of the test's own. The server is killed by its process id in the middle of
# Listen to One Turn; the program must run on, its Sound menu must say that sound is unavailable
# (read through AT-SPI), and when a server is started again a key must sound the right pitch
# again, recorded from the new server's null sink. Then the same program started before any
# server exists: the tone comes once a server does.
# Usage: sound_server.py PROGRAM
import os
import signal
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sound import Recording, level, near, pitch  # noqa: E402
from stack import Stack, check, find_application, pump, run_checks, walk  # noqa: E402


def sound_menu(app):
    """The Sound menu's items by name: (enabled, checked)."""
    import pyatspi
    items = {}
    for node in walk(app):
        try:
            if node.getRoleName() not in ("menu item", "check menu item", "radio menu item"):
                continue
            if node.name in ("Sound is unavailable", "Off", "Sine", "Cosine", "Tangent"):
                state = node.getState()
                items[node.name] = (state.contains(pyatspi.STATE_ENABLED),
                                    state.contains(pyatspi.STATE_CHECKED))
        except Exception:
            pass
    return items


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        pump(0.25)
    return condition()


def sounds_after_key(stack, expected, within):
    """Moves the point to 0 (Right, then Home) every second, recording the sink's monitor, until
    the pitch expected is heard or within seconds have passed. Answers what was heard last."""
    path = os.path.join(stack.scratch, "room-%d.raw" % time.monotonic_ns())
    recorder = stack.start_recording("room.monitor", path)
    recording = Recording(path)
    recording.wait_until_running()
    heard = (0.0, 0.0)
    deadline = time.monotonic() + within
    while time.monotonic() < deadline:
        stack.xdotool("key", "Right", "Home")
        mark = recording.mark()
        time.sleep(0.8)
        samples = recording.samples(mark, 0.2, 0.6)
        heard = (pitch(samples), level(samples))
        if heard[1] > 0.02 and near(heard[0], expected, 0.02):
            break
        time.sleep(0.2)
    stack.kill(recorder)
    return heard


def write_preferences(stack):
    folder = os.path.join(stack.config_home, "unitcircle")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "unitcircle.conf"), "w") as conf:
        conf.write("[General]\nprefs_sound=1\n")


def main(program):
    signal.alarm(170)  # the whole test, however the stack misbehaves
    with Stack() as stack:
        write_preferences(stack)
        server = stack.start_sound_server("room")
        stack.run_program([program])
        stack.focus_program_window()
        app = find_application(stack)
        check(app is not None, "the program is on the accessibility bus")
        pump(1.0)
        check(sound_menu(app).get("Sine") == (True, True), "Sine chosen and enabled at start")

        # The server dies 1.5 s into a turn.
        stack.xdotool("key", "Prior")
        time.sleep(1.0)
        stack.xdotool("key", "ctrl+l")
        time.sleep(1.5)
        stack.kill(server)
        time.sleep(1.0)
        check(stack.program.poll() is None, "the program runs on when its sound server is killed")
        stack.xdotool("key", "Right", "Right")
        time.sleep(0.5)
        check(stack.program.poll() is None, "and when keys are pressed while it is gone")
        menu = {}

        def unavailable():
            menu.update(sound_menu(app))
            return menu.get("Sine") == (False, True) and "Sound is unavailable" in menu

        check(wait_for(unavailable, 5.0),
              "while it is gone the choices are disabled, Sine still ticked: %s" % menu)

        # Back, at the same place: a key within 10 s sounds the sine's pitch at 90 degrees.
        stack.start_sound_server("room")
        heard, loud = sounds_after_key(stack, 440.0, 10.0)
        check(loud > 0.02 and near(heard, 440.0, 0.02),
              "a key after the server is back sounds %.1f Hz, expected 440 (level %.3f)"
              % (heard, loud))
        check(wait_for(lambda: sound_menu(app).get("Sine") == (True, True), 5.0),
              "the choices are enabled again")
        check(stack.program.poll() is None, "the program is still running")
        stack.stop_program()

    # Started before the desktop's sound came up.
    with Stack(accessibility=False) as stack:
        write_preferences(stack)
        socket = os.path.join(stack.env["XDG_RUNTIME_DIR"], "pulse", "native")
        stack.env["PULSE_SERVER"] = "unix:" + socket
        stack.run_program([program])
        stack.focus_program_window()
        time.sleep(2.0)
        stack.xdotool("key", "Right")
        time.sleep(0.5)
        check(stack.program.poll() is None, "the program runs without a sound server")
        stack.start_sound_server("room")
        heard, loud = sounds_after_key(stack, 440.0, 10.0)
        check(loud > 0.02 and near(heard, 440.0, 0.02),
              "a server started later is used: %.1f Hz within 10 s (level %.3f)" % (heard, loud))


if __name__ == "__main__":
    run_checks(main)
