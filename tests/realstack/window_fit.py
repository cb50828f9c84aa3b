#!/usr/bin/python3
# The window as a window manager frames it on the screens of common projectors: openbox on an
# Xvfb screen of that size, the program started with or without the graph. The whole frame lies on
# the screen; F11 fills the screen and Escape gives the size back; a window resized to 900 x 700
# and quit with Ctrl+Q opens at 900 x 700 again. On a 1920 x 1080 screen in full screen with the
# graph and the values, projector mode gives the circle half the screen's height, thick lines,
# large labels of enough contrast, and a y axis that stays put while the angle moves; reverse
# contrast darkens the figure's ground; and Larger Text twice makes the labels half as tall
# again, still so after a restart. On a 1024 x 768 screen in full screen and projector mode the
# controls give their height to the circle. Started and shown with sound off, the program has
# loaded neither printing's libraries (Qt Print Support, libcups) nor the sound server's client,
# nor, before any practice, the history's database (Qt SQL).
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


def luminance(colour):
    def channel(v):
        v = v / 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = colour
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def commonest(pixels, mask):
    """The colour most of the masked pixels have: the ink of the glyphs' cores."""
    import numpy
    chosen = pixels[mask]
    if len(chosen) == 0:
        return None
    colours, counts = numpy.unique(chosen, axis=0, return_counts=True)
    return tuple(int(c) for c in colours[counts.argmax()])


def components(mask):
    """The bounding boxes (top, left, bottom, right) of the 8-connected parts of mask."""
    import numpy
    seen = numpy.zeros(mask.shape, bool)
    boxes = []
    height, width = mask.shape
    for y, x in zip(*numpy.nonzero(mask)):
        if seen[y, x]:
            continue
        seen[y, x] = True
        stack = [(y, x)]
        top, left, bottom, right = y, x, y, x
        while stack:
            cy, cx = stack.pop()
            top, bottom = min(top, cy), max(bottom, cy)
            left, right = min(left, cx), max(right, cx)
            for ny in (cy - 1, cy, cy + 1):
                for nx in (cx - 1, cx, cx + 1):
                    if 0 <= ny < height and 0 <= nx < width and mask[ny, nx] and not seen[ny, nx]:
                        seen[ny, nx] = True
                        stack.append((ny, nx))
        boxes.append((top, left, bottom + 1, right + 1))
    return boxes


def magenta_mask(pixels):
    r, g, b = pixels[:, :, 0], pixels[:, :, 1], pixels[:, :, 2]
    return (r - g > 60) & (b - g > 60)


def digit_height(pixels):
    """The height of the digits of the standard angles' labels: the shortest of their glyphs that
    stand as a digit does (taller than wide, not a thin stroke)."""
    heights = [b - t for t, l, b, r in components(magenta_mask(pixels))
               if b - t >= 5 and 0.4 <= (r - l) / (b - t) <= 0.95]
    return min(heights) if heights else 0


def tallest_label_glyph(pixels):
    heights = [b - t for t, l, b, r in components(magenta_mask(pixels))]
    return max(heights) if heights else 0


def circle_box(pixels, ink, region):
    """The bounding box of the arcs of the circle's own colour within region (x0, y0, x1, y1):
    its parts at least 40 px long, whatever the dots of the standard angles cut it into, and not
    the odd pixel of that colour in the edge of a text."""
    import numpy
    x0, y0, x1, y1 = region
    part = pixels[y0:y1, x0:x1]
    mask = (numpy.abs(part - numpy.array(ink)).max(axis=2) <= 2)
    arcs = [box for box in components(mask) if max(box[2] - box[0], box[3] - box[1]) >= 40]
    if not arcs:
        return None
    top, left = min(b[0] for b in arcs), min(b[1] for b in arcs)
    bottom, right = max(b[2] for b in arcs), max(b[3] for b in arcs)
    return (x0 + left, y0 + top, x0 + right, y0 + bottom)


def y_axis_column(pixels, ink, region):
    """The middle of the columns in region where the axis colour runs longest: the y axis. A
    line a few pixels wide has several such columns; what crosses it (the projection, a value)
    takes a few pixels from one or another, so their middle is asked, not the longest."""
    import numpy
    x0, y0, x1, y1 = region
    part = pixels[y0:y1, x0:x1]
    counts = (numpy.abs(part - numpy.array(ink)).max(axis=2) <= 2).sum(axis=0)
    best = int(counts.argmax())
    left, right = best, best
    while left > 0 and counts[left - 1] >= 0.9 * counts[best]:
        left -= 1
    while right + 1 < len(counts) and counts[right + 1] >= 0.9 * counts[best]:
        right += 1
    return x0 + (left + right) // 2


def display_checks(program):
    """What the back row sees: projector mode, reverse contrast and Larger Text, measured on the
    screen's own pixels."""
    shown = "prefs_fullScreen=1\nprefs_graph=1\nprefs_values=1\nprefs_standardAngles=1\n"
    width, height = 1920, 1080
    with Stack(accessibility=False, screen="%dx%dx24" % (width, height),
               framebuffer=True) as stack:
        stack.start_window_manager()
        write_preferences(stack, shown + "prefs_projector=1\n")
        window = start(stack, program)
        settled(stack, window, want=(0, 0, width, height))
        time.sleep(1.0)
        pixels = stack.screen_pixels()
        # The circle (dark grey) within the left of the screen, where the figure stands.
        region = (0, 0, int(width * 0.75), height)
        box = circle_box(pixels, (85, 85, 85), region)
        what = "projector mode, full screen at %d x %d with graph and values" % (width, height)
        if check(box is not None, what + ": the circle is drawn"):
            across = min(box[2] - box[0], box[3] - box[1])
            print("      circle box %s, %d px across" % (box, across), flush=True)
            check(across >= height // 2, what + ": the circle is %d px across, at least %d"
                  % (across, height // 2))
            # The stroke across the circle 20 degrees above its leftmost point, where no axis
            # and no dot of a standard angle lies.
            cx, cy = (box[0] + box[2]) / 2.0, (box[1] + box[3]) / 2.0
            r = (box[2] - box[0]) / 2.0
            x, y = int(cx - r * 0.9397), int(cy - r * 0.3420)
            row = pixels[y, x - 10:x + 10]
            stroke = int((row.max(axis=1) < 170).sum())
            check(stroke >= 3, what + ": the circle's stroke is %d px, at least 3" % stroke)
        digits = digit_height(pixels[:, :region[2]])
        check(digits >= 20, what + ": the standard angles' digits are %d px tall, at least 20"
              % digits)
        figure = pixels[:, :region[2]]
        ground = commonest(figure, numpy_true(figure))
        inks = {
            "magenta labels": magenta_mask(figure),
            "grey labels and axes": (figure.max(axis=2) - figure.min(axis=2) <= 2)
            & (figure.max(axis=2) >= 60) & (figure.max(axis=2) <= 140),
            "the red angle label": (figure[:, :, 0] - figure[:, :, 1] > 120)
            & (figure[:, :, 2] - figure[:, :, 1] < 20),
        }
        for name, mask in inks.items():
            ink = commonest(figure, mask)
            if check(ink is not None, what + ": %s are drawn" % name):
                ratio = contrast(ink, ground)
                print("      %s %s on %s: %.2f : 1" % (name, ink, ground, ratio), flush=True)
                check(ratio >= 4.5, what + ": %s stand %.2f : 1 on the ground" % (name, ratio))

        # The y axis, while the point goes from 0 to about 1.2 (fourteen steps of 5 degrees).
        axis_ink = (100, 100, 100)
        before = y_axis_column(pixels, axis_ink, region)
        for _ in range(14):
            stack.xdotool("key", "--window", window, "Up")
            time.sleep(0.05)
        time.sleep(1.0)
        after = y_axis_column(stack.screen_pixels(), axis_ink, region)
        check(before == after, what + ": the y axis stays at x = %d while theta moves (now %d)"
              % (before, after))
        stack.stop_program()

        write_preferences(stack, shown + "prefs_projector=1\nprefs_reverseContrast=1\n")
        window = start(stack, program)
        settled(stack, window, want=(0, 0, width, height))
        time.sleep(1.0)
        figure = stack.screen_pixels()[:, :region[2]]
        ground = commonest(figure, numpy_true(figure))
        check(luminance(ground) < 0.05,
              "reverse contrast: the figure's ground %s is dark" % (ground,))
        stack.stop_program()

        # Larger Text twice, then a restart: the labels of a plain figure half as tall again.
        write_preferences(stack, "prefs_standardAngles=1\n")
        window = start(stack, program)
        settled(stack, window)
        time.sleep(1.0)
        normal = tallest_label_glyph(stack.screen_pixels())
        stack.xdotool("key", "--window", window, "ctrl+plus")
        time.sleep(0.3)
        stack.xdotool("key", "--window", window, "ctrl+plus")
        time.sleep(1.0)
        larger = tallest_label_glyph(stack.screen_pixels())
        print("      label glyphs %d px, after Larger Text twice %d px" % (normal, larger),
              flush=True)
        check(normal > 0 and larger >= 1.4 * normal,
              "Larger Text twice: the labels grow from %d to %d px, at least 1.4 times"
              % (normal, larger))
        # Each change is written soon after it is made; the program then ends as a session does.
        time.sleep(2.0)
        stack.stop_program()
        check("prefs_textScale=2" in read_preferences(stack), "the text size is kept")
        window = start(stack, program)
        settled(stack, window)
        again = 0
        deadline = time.monotonic() + 10
        while again == 0 and time.monotonic() < deadline:
            time.sleep(0.5)
            again = tallest_label_glyph(stack.screen_pixels())
        check(again == larger, "after a restart the labels are still %d px (%d)" % (larger, again))


def compact_checks(program):
    """On a 1024 x 768 screen, full screen in projector mode with the graph and the values: the
    controls below the views are hidden and the circle has their height."""
    width, height = 1024, 768
    with Stack(accessibility=False, screen="%dx%dx24" % (width, height),
               framebuffer=True) as stack:
        stack.start_window_manager()
        write_preferences(stack, "prefs_fullScreen=1\nprefs_graph=1\nprefs_values=1\n"
                          "prefs_projector=1\n")
        window = start(stack, program)
        settled(stack, window, want=(0, 0, width, height))
        time.sleep(1.0)
        box = circle_box(stack.screen_pixels(), (85, 85, 85), (0, 0, width, height))
        what = "projector mode, full screen at %d x %d with graph and values" % (width, height)
        if check(box is not None, what + ": the circle is drawn"):
            # Its height: the point and its focus ring break its line on the right.
            across = box[3] - box[1]
            print("      circle box %s, %d px high" % (box, across), flush=True)
            check(across >= 0.4 * height, what + ": the circle is %d px high, at least %d"
                  % (across, int(0.4 * height)))


def numpy_true(pixels):
    import numpy
    return numpy.ones(pixels.shape[:2], bool)


def main(program):
    signal.alarm(260)  # the whole test, however the stack misbehaves
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
                            if name.startswith(("libQt6PrintSupport", "libcups", "libpulse",
                                                "libQt6Sql", "unitcircle-")))
            check(not loaded, what + ": nothing of printing, sound or the practice history is "
                  "loaded yet %s" % loaded)
            # Nor an image-format plugin or the SVG engine: the group boxes' frames and the
            # window's icon are PNGs read as such.
            pictures = sorted(name for name in mapped_libraries(stack.program.pid)
                              if name.startswith(("libqjpeg", "libqgif", "libqico", "libqsvg",
                                                  "libQt6Svg", "libjpeg")))
            check(not pictures, what + ": no image plugin is loaded %s" % pictures)
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
    display_checks(program)
    compact_checks(program)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
