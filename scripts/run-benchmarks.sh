#!/usr/bin/env bash
# Runs every benchmark of a build on this machine, one after the other:
#   1. bench_figure (Google Benchmark): drawing passes beside their white-fill floor, process,
#      and a press-drag-release through Qt events with its repaints;
#   2. bench/startup.py: start-up to the first completed paint of the program's figure (the
#      program's own main: translations, accessibility, restored choices and window placement),
#      beside a bare QMainWindow with one plain widget at the size of the program's window, and
#      beside the same window with the least text the program shows (a label, an angle in the
#      figure's font), with the peak memory of the program and the bare window;
#   3. the same start-up on the window system a user meets: the xcb platform on Xvfb with Openbox.
# Usage: scripts/run-benchmarks.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bench=$build/bench
for exe in bench_figure bench_startup_unitcircle bench_startup_bare bench_startup_text; do
  [ -x "$bench/$exe" ] || { echo "missing $bench/$exe (is libbenchmark-dev installed?)" >&2; exit 1; }
done

export QT_QPA_PLATFORM=offscreen
export QT_LOGGING_RULES="unitcircle.surd=false"

echo "== drawing, process and drag ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
"$bench/bench_figure" --benchmark_min_time=1 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true

echo
echo "== start-up to the first completed paint"
python3 bench/startup.py "$bench"

echo
echo "== start-up to the first completed paint on an X server with a window manager (xcb)"
python3 bench/startup.py --desktop "$bench"
