# The real desktop stack for a test, started and ended by the test itself: an X server (Xvfb), a
# D-Bus session bus, the AT-SPI accessibility bus with its registry, on request a PulseAudio sound
# server with a null sink, and the program under test.
# Every process is started in a session of its own and ended, with all it spawned, by its id.
import os
import shutil
import signal
import subprocess
import tempfile
import time


class Stack:
    def __init__(self, accessibility=True, screen="1280x1024x24", framebuffer=False):
        self.accessibility = accessibility
        self.screen = screen
        # Xvfb keeps its screen in a file (XWD) that screen_pixels reads: no capture tool needed.
        self.framebuffer = framebuffer
        self.processes = []
        self.scratch = tempfile.mkdtemp(prefix="unitcircle-stack-")
        self.env = dict(os.environ)
        runtime = os.path.join(self.scratch, "run")
        os.makedirs(runtime, mode=0o700)
        self.config_home = os.path.join(self.scratch, "config")
        os.makedirs(self.config_home)
        # The practice history: never the user's own.
        self.data_home = os.path.join(self.scratch, "data")
        os.makedirs(self.data_home)
        self.env.update(
            {
                "XDG_RUNTIME_DIR": runtime,
                "XDG_CONFIG_HOME": self.config_home,
                "XDG_DATA_HOME": self.data_home,
                "HOME": self.scratch,
                # The suite runs offscreen; the program here must meet the real window system.
                "QT_QPA_PLATFORM": "xcb",
                "QT_LOGGING_RULES": "unitcircle.surd=false",
                "NO_AT_BRIDGE": "0",
            }
        )
        self.env.pop("SESSION_MANAGER", None)

    def _start(self, argv, **kwargs):
        process = subprocess.Popen(
            argv,
            env=self.env,
            start_new_session=True,
            stdin=subprocess.DEVNULL,
            **kwargs,
        )
        self.processes.append(process)
        return process

    def start_display(self):
        read_end, write_end = os.pipe()
        extra = ["-fbdir", self.scratch] if self.framebuffer else []
        self._start(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-nolisten", "tcp"]
            + extra,
            pass_fds=(write_end,),
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def start_window_manager(self):
        """Openbox on the display, as a desktop frames and places windows; waits until it runs."""
        self._start(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10)
            if b"window id" in probe.stdout:
                return
            time.sleep(0.1)
        raise RuntimeError("the window manager did not start")

    def start_session_bus(self):
        bus = self._start(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL,
        )
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise RuntimeError("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def start_accessibility_bus(self):
        self._start(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        # The launcher owns org.a11y.Bus on the session bus once the accessibility bus is up.
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            probe = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return
            time.sleep(0.1)
        raise RuntimeError("the accessibility bus did not start")

    def start_sound_server(self, sink="room"):
        """A PulseAudio server of the test's own, in its runtime folder, whose only output is a
        null sink: what is played there can be recorded from its monitor source."""
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "pulse", "native")
        server = self._start(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
             "--load=module-null-sink sink_name=%s rate=48000" % sink],
            stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.scratch, "pulseaudio.log"), "wb"),
        )
        # Every client of this stack, the program included, talks to this server and no other:
        # none of them may spawn one of its own.
        self.env["PULSE_SERVER"] = "unix:" + socket
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            probe = subprocess.run(["pactl", "info"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            if probe.returncode == 0:
                return server
            time.sleep(0.1)
        raise RuntimeError("the sound server did not start")

    def kill(self, process):
        """Ends process and all it spawned at once, as a crash would, by its id."""
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait(timeout=10)

    def start_recording(self, source, path, rate=48000):
        """Records source as raw 16-bit mono samples into path until the stack goes down."""
        return self._start(
            ["parec", "--device=" + source, "--rate=%d" % rate, "--channels=1", "--format=s16le",
             "--latency-msec=20", "--raw", path],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )

    def up(self):
        self.start_display()
        self.start_session_bus()
        if self.accessibility:
            self.start_accessibility_bus()
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        # Whatever runs in this process (pyatspi) talks to these buses.
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        return self

    def run_program(self, argv, extra_env=None):
        env = dict(self.env)
        env.update(extra_env or {})
        log = open(os.path.join(self.scratch, "program.log"), "wb")
        process = subprocess.Popen(argv, env=env, start_new_session=True, stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=subprocess.STDOUT)
        self.processes.append(process)
        self.program = process
        return process

    def stop_program(self):
        """Ends the program under test, so that another can take its place on the same stack."""
        if self.program.poll() is None:
            os.killpg(self.program.pid, signal.SIGTERM)
            try:
                self.program.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(self.program.pid, signal.SIGKILL)
                self.program.wait()

    def program_log(self):
        with open(os.path.join(self.scratch, "program.log"), "rb") as log:
            return log.read().decode(errors="replace")

    def screen_pixels(self):
        """The screen as an array of rows of (red, green, blue), read from Xvfb's framebuffer."""
        import numpy
        with open(os.path.join(self.scratch, "Xvfb_screen0"), "rb") as screen:
            data = screen.read()
        # The XWD header: big-endian 32-bit fields; pixels follow the header and the colour map.
        field = lambda i: int.from_bytes(data[4 * i:4 * i + 4], "big")
        header, width, height = field(0), field(4), field(5)
        bits_per_pixel, bytes_per_line, colours = field(11), field(12), field(19)
        if bits_per_pixel != 32:
            raise RuntimeError("a %d-bit screen; the checks read 32-bit pixels" % bits_per_pixel)
        start = header + 12 * colours
        rows = numpy.frombuffer(data, numpy.uint8, bytes_per_line * height, start)
        pixels = rows.reshape(height, bytes_per_line)[:, :width * 4].reshape(height, width, 4)
        # Little-endian B, G, R, unused, as Xvfb lays out a 24-bit depth.
        return pixels[:, :, 2::-1].astype(int)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=False,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              timeout=20).stdout.decode()

    def tool(self, *args):
        """The output of an X client (xwininfo, xprop) run on the display."""
        return subprocess.run(list(args), env=self.env, check=False, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=20).stdout.decode()

    def focus_program_window(self):
        """Gives the program's top-level window the keyboard focus: there is no window manager."""
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            # Qt makes helper windows too; the main window is the visible one with a title.
            for window in self.xdotool("search", "--onlyvisible", "--pid", str(self.program.pid),
                                       "--name", ".").split():
                self.xdotool("windowfocus", "--sync", window)
                return window
            time.sleep(0.2)
        raise RuntimeError("the program's window never appeared")

    def down(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            # What the process spawned in its session (the accessibility bus and its registry).
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.scratch, ignore_errors=True)

    def __enter__(self):
        return self.up()

    def __exit__(self, *exc):
        self.down()
        return False


def pump(seconds):
    """Runs GLib's main loop (pyatspi's events) for seconds."""
    from gi.repository import GLib
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def find_application(stack, timeout=30):
    """The program under test as the AT-SPI registry lists it, by its process id."""
    import pyatspi
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if (app is not None and app.name == "unitcircle"
                    and app.get_process_id() == stack.program.pid):
                return app
        pump(0.2)
    return None


def walk(node):
    """node and everything below it in the accessibility tree."""
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


# The checks of one test script: each is printed as it is made, and the failures are counted.
failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def run_checks(main):
    """Runs main(PROGRAM) from the command line; a broken stack is a failure, never a pass."""
    import sys
    if len(sys.argv) != 2:
        sys.exit("usage: %s PROGRAM" % os.path.basename(sys.argv[0]))
    try:
        main(os.path.abspath(sys.argv[1]))
    except Exception as error:
        import traceback
        traceback.print_exc()
        failures.append(str(error))
    print("%d failure(s)" % len(failures))
    sys.exit(1 if failures else 0)
