#!/bin/sh
# The folders of src/ form one stack: each includes only its own headers and those of the
# folders below it. The layers, lowest first; folders on one line share a layer and may include
# each other. A folder of src/ that is not listed here fails, so a new one gets its place.
# Usage: test_include_layers.sh <src folder>
set -eu
src=$1

layers='core
tables
items
generator
playersview
worth
search
formats
cli platform web
forms
app'

rank_of() {
  printf '%s\n' "$layers" | awk -v folder="$1" '{ for (i = 1; i <= NF; i++) if ($i == folder) print NR }'
}

status=0
for dir in "$src"/*/; do
  folder=$(basename "$dir")
  rank=$(rank_of "$folder")
  if [ -z "$rank" ]; then
    echo "src/$folder has no layer in $0" >&2
    status=1
    continue
  fi
  # Every quoted include that names a folder, as "file folder".
  found=$(grep -rH '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]*/' "$dir" |
    sed 's|^\([^:]*\):[^"]*"\([^"/]*\)/.*|\1 \2|')
  while read -r file target; do
    [ -n "$file" ] || continue
    target_rank=$(rank_of "$target")
    if [ -z "$target_rank" ] || [ "$target_rank" -gt "$rank" ]; then
      echo "${file#"$src"/} includes $target/, which is not below src/$folder" >&2
      status=1
    fi
  done <<FOUND
$found
FOUND
done
exit $status
