#!/usr/bin/env bash
# Runs every benchmark of a build on this machine, one after the other:
#   1. bench_figure (Google Benchmark): drawing passes beside their white-fill floor, process,
#      and a press-drag-release through Qt events with its repaints;
#   2. start-up to the first completed paint of the program's figure (the program's own main:
#      translations, accessibility, restored choices and window placement), beside a bare
#      QMainWindow with one plain widget at the size of the program's window, and beside the same
#      window with the least text the program shows (a label, an angle in the figure's font),
#      timed with hyperfine, with the ratios of their medians to the bare window's; and the peak
#      memory (maximum resident set) of the program and the bare window from GNU time, the median
#      of five runs;
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
# The start-up harness reads the preferences: keep the user's own out of it.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config

echo "== drawing, process and drag ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
"$bench/bench_figure" --benchmark_min_time=1 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true

echo
echo "== start-up to the first completed paint"
# The bare window opens at the size the program's window opens at on a first start, which the
# program's run prints.
size=$("$bench/bench_startup_unitcircle" 2>/dev/null | tail -n 1)
[[ $size =~ ^[0-9]+\ [0-9]+$ ]] || { echo "the program told no window size" >&2; exit 1; }
echo "window size: ${size/ / x }"
bare="$bench/bench_startup_bare $size"
hyperfine -N --warmup 3 --runs 30 --export-markdown "$config/startup.md" \
  --export-json "$config/startup.json" \
  -n "unitcircle window" "$bench/bench_startup_unitcircle" \
  -n "bare QMainWindow" "$bare" \
  -n "bare window with text" "$bench/bench_startup_text $size"
cat "$config/startup.md"
python3 - "$config/startup.json" <<'EOF'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
app, bare = results["unitcircle window"]["median"], results["bare QMainWindow"]["median"]
text = results["bare window with text"]["median"]
print(f"median: {app * 1000:.1f} ms vs {bare * 1000:.1f} ms, ratio: {app / bare:.3f}")
print(f"the bare window with text: {text * 1000:.1f} ms, ratio: {text / bare:.3f}")
EOF

peak() {
  local runs=()
  for _ in 1 2 3 4 5; do
    runs+=("$(/usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1)")
  done
  printf '%s\n' "${runs[@]}" | sort -n | sed -n 3p
}
echo
echo "== peak memory (maximum resident set, median of 5)"
app=$(peak "$bench/bench_startup_unitcircle")
bare=$(peak $bare)
echo "unitcircle window: ${app} KiB"
echo "bare QMainWindow:  ${bare} KiB"
awk -v a="$app" -v b="$bare" 'BEGIN { printf "ratio: %.3f\n", a / b }'

echo
echo "== start-up to the first completed paint on an X server with a window manager (xcb)"
python3 bench/startup_desktop.py "$bench"
