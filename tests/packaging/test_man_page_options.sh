#!/bin/sh
# The man page vorneth-cli(6) and `vorneth-cli --help` name the same long options: every word
# starting with "--" in the one must be in the other. The help is read from the built program,
# so the test follows its options.
# Usage: test_man_page_options.sh <vorneth-cli> <man page source>
set -eu
cli=$1
page=$2

help=$("$cli" --help)
# In roff a hyphen is written \- ; font changes (\fB ... \fR) end at the backslash.
from_help=$(printf '%s\n' "$help" | grep -o -- '--[A-Za-z0-9][A-Za-z0-9-]*' | sort -u)
from_page=$(sed 's/\\-/-/g' "$page" | grep -o -- '--[A-Za-z0-9][A-Za-z0-9-]*' | sort -u)

if [ -z "$from_help" ]; then
  echo "no long option found in the output of $cli --help" >&2
  exit 1
fi
if [ "$from_help" != "$from_page" ]; then
  echo "vorneth-cli --help and $page name different long options." >&2
  echo "Only in --help:" >&2
  printf '%s\n' "$from_help" | grep -vxF -- "$from_page" >&2 || true
  echo "Only in the man page:" >&2
  printf '%s\n' "$from_page" | grep -vxF -- "$from_help" >&2 || true
  exit 1
fi
