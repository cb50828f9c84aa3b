#!/usr/bin/env bash
# Fails when a translation file is not complete: an entry unfinished, vanished or empty, or a
# string of the sources that the file lacks. Each file is checked as lupdate leaves a copy of it,
# so a string added to or taken from the sources since the file was last updated shows up too.
# Usage: scripts/check-translations.sh [TS_FILE...]   (default: translations/*.ts)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
files=("$@")
[ ${#files[@]} -gt 0 ] || files=("$root"/translations/*.ts)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "${files[@]}"; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  # An entry the sources no longer have must be seen here, not dropped.
  KEEP_VANISHED=1 "$root/scripts/lupdate.sh" "$copy"
  /usr/bin/python3 - "$ts" "$copy" <<'PY' || status=1
import sys, xml.etree.ElementTree as ET
committed, updated = sys.argv[1], sys.argv[2]
problems = []
for context in ET.parse(updated).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        forms = [f.text for f in translation.iter("numerusform")] if translation is not None else []
        text = translation.text if translation is not None else None
        if kind in ("unfinished", "vanished", "obsolete", "missing"):
            problems.append("%s: %s %r" % (kind, name, source))
        elif (forms and not all(f and f.strip() for f in forms)) or (not forms and not (text and text.strip())):
            problems.append("empty: %s %r" % (name, source))
with open(committed, "rb") as a, open(updated, "rb") as b:
    if a.read() != b.read() and not problems:
        problems.append("the file differs from what lupdate makes of it: run `make translations`")
for p in problems:
    print("%s: %s" % (committed, p))
print("%s: %s" % (committed, "complete" if not problems else "%d problem(s)" % len(problems)))
sys.exit(1 if problems else 0)
PY
done
exit $status
