#!/usr/bin/env bash
# Fails when the sources include each other in a circle. A file and its
# header count as one module (x.cpp with x.h): module x depends on y when
# either file of x includes y.h. Modules at an end of the remaining
# dependencies are taken away until none is; what remains is a circle.
# Usage: include-cycles.sh SOURCE_DIR...
set -euo pipefail

edges=$(for dir in "$@"; do
  find "$dir" -name '*.cpp' -o -name '*.h'
done | while read -r file; do
  from=$(basename "${file%.*}")
  sed -n 's/^#include "\(.*\)\.h".*/\1/p' "$file" | while read -r to; do
    [ "$to" != "$from" ] && echo "$from $to"
  done
done | sort -u)

heads() { awk '{print $1}' <<<"$edges" | sort -u; }
tails() { awk '{print $2}' <<<"$edges" | sort -u; }
while [ -n "$edges" ]; do
  # Modules that include none of the rest, or that none of the rest
  # includes: no circle passes through them.
  ends=$(comm -3 <(heads) <(tails) | tr -d '\t')
  [ -n "$ends" ] || break
  edges=$(awk 'NR == FNR {end[$1]; next} !($1 in end) && !($2 in end)' <(echo "$ends") <(echo "$edges"))
done
if [ -n "$edges" ]; then
  echo "include-cycles: these modules include each other in a circle:" >&2
  awk '{print "  " $1 " -> " $2}' <<<"$edges" >&2
  exit 1
fi
echo "include-cycles: no circle"
