#!/usr/bin/env bash
# The time a lecturer waits for the whole run as one animated GIF, and the
# size of the file: kestrum-frames formation --frames all --out run.gif at
# 1280x720 and 640x360, plain, with --projector and with --caption. Time
# is the whole command under Wine (null display driver, prefix warmed
# first), the best of RUNS runs (default 3). Prints a Markdown table.
# Usage: scripts/bench-gif.sh [FOLDER-WITH-kestrum-frames.exe]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bin="$(cd "${1:-$here/../build/bin}" && pwd)"
runs="${RUNS:-3}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
frames() {
  "$here/wine-run.sh" "$bin/kestrum-frames.exe" "$@" >/dev/null
}
frames --help
echo "| size | options | time | file |"
echo "|---|---|---|---|"
for size in 1280x720 640x360; do
  for options in "" "--projector" "--caption" "--projector --caption"; do
    best=0
    for _ in $(seq "$runs"); do
      start=$(date +%s%N)
      # shellcheck disable=SC2086 # the options are words
      frames formation --frames all --size "$size" $options --out "Z:$scratch/run.gif"
      took=$(( $(date +%s%N) - start ))
      if [ "$best" = 0 ] || [ "$took" -lt "$best" ]; then best=$took; fi
    done
    bytes=$(stat -c %s "$scratch/run.gif")
    printf '| %s | %s | %d.%d s | %d.%02d MB |\n' "$size" "${options:-(none)}" \
      $(( best / 1000000000 )) $(( best / 100000000 % 10 )) \
      $(( bytes / 1000000 )) $(( bytes / 10000 % 100 ))
  done
done
