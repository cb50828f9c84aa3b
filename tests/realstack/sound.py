#!/usr/bin/python3
# The program's tone as a listener hears it: the program runs under Xvfb with sound on (the sine),
# playing to a PulseAudio server of the test's own whose only output is a null sink; the sink's
# monitor is recorded with parec and the pitch measured with numpy. Keys go to the window as a
# user types them: Home, Page Up, Page Down, and Ctrl+L for one turn played as sound.
# Usage: sound.py PROGRAM
import os
import signal
import sys
import time

import numpy

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stack import Stack, check, failures, run_checks  # noqa: E402

RATE = 48000
class Recording:
    """The recorded samples, addressed by the moment they were written: the monitor starts late
    and parec writes as it goes, so a mark is the length of the file at that moment."""

    def __init__(self, path):
        self.path = path

    def mark(self):
        return os.path.getsize(self.path) // 2 if os.path.exists(self.path) else 0

    def wait_until_running(self, timeout=15):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            before = self.mark()
            time.sleep(0.3)
            if before > 0 and self.mark() > before:
                return
        raise RuntimeError("nothing was recorded from the sink's monitor")

    def samples(self, mark, begin, end):
        """The samples from begin to end seconds after mark."""
        data = numpy.fromfile(self.path, dtype="<i2").astype(numpy.float64) / 32768.0
        first = max(0, mark + int(begin * RATE))
        last = max(first, mark + int(end * RATE))
        return data[first:last]


def level(samples):
    return float(numpy.sqrt(numpy.mean(samples ** 2))) if len(samples) else 0.0


def pitch(samples):
    """The frequency of the strongest partial between 100 Hz and 1.5 kHz, to a fraction of a
    bin: a Hann window, zero padding, and a parabola through the peak's log magnitudes."""
    if len(samples) < 256 or not samples.any():
        return 0.0
    window = samples * numpy.hanning(len(samples))
    size = 1 << 17
    spectrum = numpy.abs(numpy.fft.rfft(window, size))
    frequencies = numpy.fft.rfftfreq(size, 1.0 / RATE)
    band = (frequencies >= 100) & (frequencies <= 1500)
    index = int(numpy.argmax(numpy.where(band, spectrum, 0.0)))
    a, b, c = numpy.log(spectrum[index - 1:index + 2] + 1e-12)
    offset = 0.5 * (a - c) / (a - 2 * b + c) if (a - 2 * b + c) != 0 else 0.0
    return float((index + offset) * RATE / size)


def near(measured, expected, tolerance):
    return abs(measured - expected) <= tolerance * expected


def main(program):
    signal.alarm(100)  # the whole test, however the stack misbehaves
    with Stack(accessibility=False) as stack:
        stack.start_sound_server("room")
        preferences = os.path.join(stack.config_home, "unitcircle")
        os.makedirs(preferences)
        with open(os.path.join(preferences, "unitcircle.conf"), "w") as conf:
            conf.write("[General]\nprefs_sound=1\n")

        path = os.path.join(stack.scratch, "room.raw")
        stack.start_recording("room.monitor", path)
        recording = Recording(path)
        stack.run_program([program])
        stack.focus_program_window()
        recording.wait_until_running()
        time.sleep(1.0)
        quiet = level(recording.samples(recording.mark(), -0.8, 0.0))
        check(quiet < 1e-3, "silence before any change (level %.5f)" % quiet)

        def press(*keys):
            stack.xdotool("key", "--delay", "120", *keys)
            return recording.mark()

        def tone_after(last, what, expected):
            time.sleep(0.7)
            samples = recording.samples(last, 0.2, 0.6)
            heard, loud = pitch(samples), level(samples)
            check(loud > 0.02 and near(heard, expected, 0.02),
                  "%s: %.1f Hz, expected %g \u00b1 2 %% (level %.3f)" % (what, heard, expected, loud))

        tone_after(press("Home"), "after Home", 440.0)
        tone_after(press("Prior", "Prior", "Prior", "Prior"), "after four Page Ups", 880.0)
        last = press(*["Next"] * 8)
        tone_after(last, "after eight Page Downs", 220.0)
        time.sleep(0.8)
        after = level(recording.samples(last, 1.0, 1.4))
        check(after < 1e-3, "no tone a second after the last key (level %.5f)" % after)

        # One turn from 0, the sine rising to 880 Hz at a quarter of it and falling to 220 Hz at
        # three quarters.
        press("Home")
        time.sleep(1.5)
        begin = press("ctrl+l")
        time.sleep(6.5)
        frames = []
        for k in range(int(6.0 / 0.05)):
            samples = recording.samples(begin, 0.05 * k, 0.05 * (k + 1))
            frames.append((0.05 * k, level(samples), pitch(samples)))
        sounding = [(t, f) for t, loud, f in frames if loud > 0.02]
        if check(len(sounding) > 0, "Ctrl+L sounds"):
            span = sounding[-1][0] - sounding[0][0] + 0.05
            check(3.6 <= span <= 5.3, "the turn sounds for %.2f s (4 s and the tone's hold)" % span)
            first = [f for t, f in sounding if t < 2.0]
            second = [f for t, f in sounding if 2.0 <= t < 4.0]
            top = max(first) if first else 0.0
            bottom = min(second) if second else 0.0
            check(near(top, 880.0, 0.03), "its first half reaches %.1f Hz (about 880)" % top)
            check(near(bottom, 220.0, 0.03), "its second half reaches %.1f Hz (about 220)" % bottom)
            # Timed from the tone's own start: the first quarter of the turn, short of its top.
            onset = sounding[0][0]
            rising = [round(f) for t, f in sounding if t - onset < 0.85]
            check(all(b >= a - 5.0 for a, b in zip(rising, rising[1:])),
                  "the pitch rises through the first quarter: %s" % rising)

        check(stack.program.poll() is None, "the program is still running")


if __name__ == "__main__":
    run_checks(main)
