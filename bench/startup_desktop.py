# Start-up on the window system a user meets: the program and the two floors of the offscreen run,
# each to its first completed paint, through Qt's xcb platform on an X server (Xvfb) with a window
# manager (Openbox) and a session bus, timed with hyperfine as the offscreen run is. Offscreen, a
# window costs Qt almost nothing; here the connection to the X server, the window's creation,
# its mapping by the window manager and its first expose count, as they do on a desktop.
# Usage: python3 bench/startup_desktop.py BENCH_DIR
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "realstack"))
from stack import Stack  # noqa: E402


def main(bench):
    with Stack(accessibility=False) as stack:
        stack.start_window_manager()
        program = os.path.join(bench, "bench_startup_unitcircle")
        told = subprocess.run([program], env=stack.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=60).stdout.decode().split()
        if len(told) < 2 or not all(part.isdigit() for part in told[-2:]):
            raise SystemExit("the program told no window size")
        width, height = told[-2:]
        print(f"window size: {width} x {height}")
        commands = {
            "unitcircle window": [program],
            "bare QMainWindow": [os.path.join(bench, "bench_startup_bare"), width, height],
            "bare window with text": [os.path.join(bench, "bench_startup_text"), width, height],
        }
        report = os.path.join(stack.scratch, "startup.json")
        argv = ["hyperfine", "-N", "--warmup", "3", "--runs", "30", "--export-json", report]
        for name, command in commands.items():
            argv += ["-n", name, " ".join(command)]
        subprocess.run(argv, env=stack.env, check=True, stdout=subprocess.DEVNULL, timeout=600)
        with open(report) as results_file:
            results = {r["command"]: r["median"] for r in json.load(results_file)["results"]}
        bare = results["bare QMainWindow"]
        for name, median in results.items():
            print(f"{name}: median {median * 1000:.1f} ms, ratio to the bare window: "
                  f"{median / bare:.3f}")


if __name__ == "__main__":
    main(sys.argv[1])
