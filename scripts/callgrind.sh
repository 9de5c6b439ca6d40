#!/usr/bin/env bash
# Instructions per frame of each null-host scene, counted by callgrind: unlike times, they
# come out the same on a busy machine. The probe runs a scene COUNT times inside one
# function, and only that function is counted.
#   busy   a refresh of the busy car (LEDs, gear, damage, fuel, brand, primary colour)
#   plane  a refresh of a plane with the vertical-speed gauge
#   plain  a frame without a refresh
#   menu   a menu frame: a page of nine items and its help box
# Usage: scripts/callgrind.sh [COUNT]   (default 2000)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh valgrind

count=${1:-2000}
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target velquist_refresh_probe >/dev/null
probe=build/linux-release/bin/velquist_refresh_probe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-6s %14s %9s %7s\n' scene instructions natives draws
for scene in busy plane plain menu; do
  if ! valgrind --tool=callgrind --toggle-collect=measured_frames \
      --callgrind-out-file="$work/$scene.out" "$probe" "$scene" "$count" >"$work/$scene.log" 2>&1; then
    cat "$work/$scene.log" >&2
    exit 1
  fi
  total=$(awk '/^summary:/ {print $2}' "$work/$scene.out")
  # The probe's own line: "busy: N frames, R refreshes, X natives and Y draws a frame".
  read -r natives draws < <(sed -n 's/.*, \([0-9.]*\) natives and \([0-9.]*\) draws a frame/\1 \2/p' "$work/$scene.log")
  printf '%-6s %14s %9s %7s\n' "$scene" "$(awk -v t="$total" -v n="$count" 'BEGIN {printf "%.0f", t / n}')" \
    "$natives" "$draws"
done
