#!/usr/bin/python3
# The window as a window manager frames it on the screens of common projectors: openbox on an
# Xvfb screen of that size, the program started with or without the graph. The whole frame lies on
# the screen; F11 fills the screen and Escape gives the size back; a window resized to 900 x 700
# and quit with Ctrl+Q opens at 900 x 700 again. Started and shown, with sound off, the program has
# loaded neither printing's libraries (Qt Print Support, libcups) nor the sound server's client.
# Usage: window_fit.py PROGRAM
import os
import re
import signal
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stack import Stack, check, failures  # noqa: E402

def write_preferences(stack, text):
    folder = os.path.join(stack.config_home, "unitcircle")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "unitcircle.conf"), "w") as conf:
        conf.write("[General]\n" + text)


def read_preferences(stack):
    with open(os.path.join(stack.config_home, "unitcircle", "unitcircle.conf")) as conf:
        return conf.read()


def client(stack, window):
    """The window's own rectangle on the screen (x, y, width, height), and its frame's extents."""
    info = stack.tool("xwininfo", "-id", window)
    numbers = [int(re.search(pattern + r":\s+(-?\d+)", info).group(1))
               for pattern in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
    extents = stack.tool("xprop", "-id", window, "_NET_FRAME_EXTENTS")
    found = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", extents)
    frame = tuple(int(n) for n in found.groups()) if found else None  # left, right, top, bottom
    return tuple(numbers), frame


def settled(stack, window, want=None, seconds=10):
    """The geometry once it has stayed the same for a moment (and is want, when given)."""
    deadline = time.monotonic() + seconds
    last = None
    while time.monotonic() < deadline:
        now = client(stack, window)
        if now == last and now[1] is not None and (want is None or now[0] == want):
            return now
        last = now
        time.sleep(0.3)
    return last


def start(stack, program):
    stack.run_program([program])
    return stack.focus_program_window()


def mapped_libraries(pid):
    with open("/proc/%d/maps" % pid) as maps:
        return {os.path.basename(line.split()[-1]) for line in maps if ".so" in line}


def lies_on_screen(geometry, frame, width, height):
    x, y, w, h = geometry
    left, right, top, bottom = frame
    return x - left >= 0 and y - top >= 0 and x + w + right <= width and y + h + bottom <= height


def main(program):
    signal.alarm(170)  # the whole test, however the stack misbehaves
    for width, height, graph in ((1024, 768, 1), (1366, 768, 1), (1280, 720, 0)):
        with Stack(accessibility=False, screen="%dx%dx24" % (width, height)) as stack:
            stack.start_window_manager()
            write_preferences(stack, "prefs_graph=%d\n" % graph)
            window = start(stack, program)
            geometry, frame = settled(stack, window)
            what = "%d x %d %s the graph" % (width, height, "with" if graph else "without")
            print("      %s: window %s, frame extents %s" % (what, geometry, frame), flush=True)
            if not check(frame is not None, what + ": the window manager frames the window"):
                continue
            check(lies_on_screen(geometry, frame, width, height),
                  what + ": the whole window, frame included, lies on the screen")
            loaded = sorted(name for name in mapped_libraries(stack.program.pid)
                            if name.startswith(("libQt6PrintSupport", "libcups", "libpulse")))
            check(not loaded, what + ": nothing of printing or sound is loaded yet %s" % loaded)
            if width != 1024:
                continue

            stack.xdotool("key", "--window", window, "F11")
            full, _ = settled(stack, window, want=(0, 0, width, height))
            check(full == (0, 0, width, height), "F11 fills the screen: %s" % (full,))
            stack.xdotool("key", "--window", window, "Escape")
            back, _ = settled(stack, window, want=geometry)
            check(back == geometry, "Escape gives the size back: %s" % (back,))

            stack.xdotool("windowsize", window, "900", "700")
            resized, _ = settled(stack, window)
            check(resized[2:] == (900, 700), "resized to 900 x 700: %s" % (resized,))
            stack.xdotool("key", "--window", window, "ctrl+q")
            try:
                stack.program.wait(timeout=15)
                ended = True
            except Exception:
                ended = False
            check(ended, "Ctrl+Q ends the program")
            check(",900,700" in read_preferences(stack), "the size is kept in the preferences")
            window = start(stack, program)
            again, _ = settled(stack, window)
            check(again[2:] == (900, 700), "the next start opens at 900 x 700: %s" % (again,))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
