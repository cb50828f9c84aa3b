# Start-up to the first completed paint: the program and its two floors (the bare window, and the
# bare window with the least of the program's text), timed with hyperfine, with the ratios of their
# medians to the bare window's; offscreen also the peak memory (maximum resident set) of the program
# and the bare window from GNU time, the median of five runs.
# With --desktop the same runs go through Qt's xcb platform on an X server (Xvfb) with a window
# manager (Openbox) and a session bus. Offscreen, a window costs Qt almost nothing; there the
# connection to the X server, the window's creation, its mapping by the window manager and its
# first expose count, as they do on a desktop.
# Usage: python3 bench/startup.py [--desktop] BENCH_DIR
import json
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "realstack"))
from stack import Stack  # noqa: E402


def peak_memory(command, env):
    """The median of five runs' maximum resident set, in KiB."""
    runs = []
    for _ in range(5):
        timed = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=60)
        runs.append(int(timed.stderr.decode().split()[-1]))
    return sorted(runs)[2]


def compare(bench, env, scratch, memory):
    program = os.path.join(bench, "bench_startup_unitcircle")
    # The floors open at the size the program's window opens at on a first start, which its
    # run prints.
    told = subprocess.run([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          timeout=60).stdout.decode().split()
    if len(told) < 2 or not all(part.isdigit() for part in told[-2:]):
        raise SystemExit("the program told no window size")
    width, height = told[-2:]
    print(f"window size: {width} x {height}")
    commands = {
        "unitcircle window": [program],
        "bare QMainWindow": [os.path.join(bench, "bench_startup_bare"), width, height],
        "bare window with text": [os.path.join(bench, "bench_startup_text"), width, height],
    }
    report = os.path.join(scratch, "startup.json")
    argv = ["hyperfine", "-N", "--warmup", "3", "--runs", "30", "--export-json", report]
    for name, command in commands.items():
        argv += ["-n", name, " ".join(command)]
    subprocess.run(argv, env=env, check=True, stdout=subprocess.DEVNULL, timeout=600)
    with open(report) as results_file:
        results = {r["command"]: r["median"] for r in json.load(results_file)["results"]}
    bare = results["bare QMainWindow"]
    for name, median in results.items():
        print(f"{name}: median {median * 1000:.1f} ms, ratio to the bare window: "
              f"{median / bare:.3f}")
    if memory:
        app = peak_memory(commands["unitcircle window"], env)
        floor = peak_memory(commands["bare QMainWindow"], env)
        print(f"peak memory (median of 5): unitcircle window {app} KiB, bare QMainWindow "
              f"{floor} KiB, ratio: {app / floor:.3f}")


def main(argv):
    desktop = "--desktop" in argv
    bench = [arg for arg in argv if arg != "--desktop"][0]
    if desktop:
        with Stack(accessibility=False) as stack:
            stack.start_window_manager()
            compare(bench, stack.env, stack.scratch, memory=False)
    else:
        # The program reads the preferences: the user's own are kept out of it.
        with tempfile.TemporaryDirectory() as scratch:
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=scratch)
            compare(bench, env, scratch, memory=True)


if __name__ == "__main__":
    main(sys.argv[1:])
