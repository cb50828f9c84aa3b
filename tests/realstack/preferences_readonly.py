#!/usr/bin/python3
# Choices that cannot be saved, as a user meets them: the program runs under openbox as an
# unprivileged user (root writes everywhere) with a configuration folder it may read but not
# write. A change of choice (Ctrl+G) brings a message that names the file; Return takes it away,
# Ctrl+Q still quits, and the file holds what it held.
# Usage: preferences_readonly.py PROGRAM
import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stack import Stack, check, run_checks  # noqa: E402

NOBODY = 65534
STORED = "[General]\nprefs_standardAngles=1\n"


def windows(stack, pid):
    return stack.xdotool("search", "--onlyvisible", "--pid", str(pid), "--name", ".").split()


def main(program):
    signal.alarm(60)  # the whole test, however the stack misbehaves
    with Stack(accessibility=False) as stack:
        stack.start_window_manager()
        folder = os.path.join(stack.config_home, "unitcircle")
        os.makedirs(folder)
        conf = os.path.join(folder, "unitcircle.conf")
        with open(conf, "w") as stored:
            stored.write(STORED)
        home = os.path.join(stack.scratch, "home")
        runtime = os.path.join(stack.scratch, "nobody-run")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        for path in (stack.scratch, stack.config_home, folder):
            os.chmod(path, 0o755)
        os.chmod(conf, 0o644)
        argv = [program]
        if os.geteuid() == 0:
            os.chown(home, NOBODY, NOBODY)
            os.chown(runtime, NOBODY, NOBODY)
            argv = ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups",
                    program]
        else:
            os.chmod(folder, 0o555)
            os.chmod(conf, 0o444)
        stack.run_program(argv, {"HOME": home, "XDG_RUNTIME_DIR": runtime})
        stack.focus_program_window()
        time.sleep(1.0)
        before = windows(stack, stack.program.pid)

        stack.xdotool("key", "ctrl+g")
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline and len(windows(stack, stack.program.pid)) <= len(before):
            time.sleep(0.2)
        shown = [w for w in windows(stack, stack.program.pid) if w not in before]
        check(len(shown) == 1, "a message appears when the change cannot be saved")
        if shown:
            names = stack.tool("xprop", "-id", shown[0], "WM_NAME")
            check("Unit Circle" in names, "the message is the program's: %s" % names.strip())
        # Its words (the file and the reason) are checked offscreen; here it must let the user go on.
        stack.xdotool("key", "Return")
        time.sleep(0.5)
        stack.focus_program_window()
        stack.xdotool("key", "ctrl+q")
        try:
            stack.program.wait(timeout=10)
            quit_ok = True
        except subprocess.TimeoutExpired:
            quit_ok = False
        check(quit_ok, "Ctrl+Q quits after the message")
        with open(conf) as stored:
            check(stored.read() == STORED, "the file holds what it held")


if __name__ == "__main__":
    run_checks(main)
