#!/usr/bin/env bash
# Brings translation files up to date with the program's sources: every string in tr() and in the
# interface description, without source locations (so that moving code changes nothing), and
# without the entries the sources no longer have. unitcircle_en.ts keeps only the plural forms
# that English needs. Used by `make translations` on translations/*.ts and by the completeness
# test on copies of them.
# Usage: [KEEP_VANISHED=1] scripts/lupdate.sh TS_FILE...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate6 || command -v /usr/lib/qt6/bin/lupdate || command -v lupdate)
status=0
for ts in "$@"; do
  options=(-locations none -extensions cpp,h,ui -silent)
  # Entries the sources no longer have are dropped, unless the caller wants to see them.
  [ -n "${KEEP_VANISHED:-}" ] || options+=(-no-obsolete)
  case $(basename "$ts") in *_en.ts) options+=(-pluralonly) ;; esac
  "$lupdate" "${options[@]}" -I "$root" "$root/app" "$root/trig" "$root/view" "$root/graph" \
    "$root/panels" "$root/sound" "$root/platform" "$root/resources" \
    -ts "$ts" || status=1
done
exit $status
