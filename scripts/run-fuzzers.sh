#!/usr/bin/env bash
# Runs every libFuzzer harness of a build for a bounded number of inputs, starting from the seed
# corpus committed under fuzz/corpus/<subject>/. New inputs go to a scratch directory, so the
# committed seeds never change. Any crash, sanitizer report or broken invariant fails the run.
# Usage: scripts/run-fuzzers.sh BUILD_DIR [RUNS] [MAX_SECONDS_EACH]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build directory}
runs=${2:-5000}
seconds=${3:-120}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export QT_QPA_PLATFORM=offscreen
status=0
for harness in "$build"/fuzz/fuzz_*; do
  [ -f "$harness" ] && [ -x "$harness" ] || continue
  name=$(basename "$harness")
  subject=${name#fuzz_}
  seeds=fuzz/corpus/$subject
  mkdir -p "$scratch/$subject"
  echo "== $name: $runs runs (at most ${seconds}s) from $seeds"
  # Crash inputs land in the scratch directory too; the log names them. A single allocation of
  # more than 256 MB is a finding: no input may decide how much memory the program asks for.
  if ! "$harness" -runs="$runs" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 \
      -malloc_limit_mb=256 \
      -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch/$subject" "$seeds" \
      > "$scratch/$name.log" 2>&1; then
    tail -n 60 "$scratch/$name.log"
    for crash in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
      [ -e "$crash" ] && echo "input: $(basename "$crash") = $(od -An -tx1 -v "$crash" | tr -d '\n')"
    done
    echo "== $name FAILED"
    status=1
  else
    grep -E '^(Done|stat::number_of_executed_units)' "$scratch/$name.log" || true
  fi
done
exit $status
