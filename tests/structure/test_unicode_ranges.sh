#!/bin/sh
# src/core/unicode_ranges.h is what scripts/unicode-ranges writes from the Unicode data installed
# here: a table edited by hand, or left behind by a newer Unicode, fails.
# Usage: test_unicode_ranges.sh <source folder>
set -eu
root=$1
scripts_out=$(mktemp)
trap 'rm -f "$scripts_out"' EXIT
python3 "$root/scripts/unicode-ranges" >"$scripts_out"
diff -u "$root/src/core/unicode_ranges.h" "$scripts_out"
