#!/usr/bin/env bash
# Runs every scenario of tests/scenarios through velquist-sim and, under Wine, through
# velquist-host.exe with the real Velquist.asi. Each run gets a game folder of its own that
# starts with a copy of the Linux build's default data folder (the scenario's `file`
# commands and the plug-in's writes land there). Afterwards the two traces must be equal
# event for event (numbers within 1e-5, everything else exact; see trace_compare) and the
# two data folders equal file for file, byte for byte. Commands that only velquist-sim
# offers (`shot`, pictures drawn on Linux) are left out of both runs; they do not touch
# the plug-in. A scenario whose first lines hold "# options: ..." runs with those
# command-line options on both sides (for example --memory).
# usage: windows_parity.sh VELQUIST_SIM WINDOWS_BIN_DIR SCENARIO_DIR WINE_PREFIX TRACE_COMPARE
set -euo pipefail
. "$(dirname "$0")/wine_env.sh"
want_args 5 "VELQUIST_SIM WINDOWS_BIN_DIR SCENARIO_DIR WINE_PREFIX TRACE_COMPARE" "$@"
sim=$1 winbin=$2 scenarios=$3 prefix=$4 compare=$5
wine_env windows_parity "$prefix" diff
[ -f "$winbin/velquist-host.exe" ] || { echo "windows_parity: no $winbin/velquist-host.exe"; exit 1; }
data=$(dirname "$sim")/Velquist
[ -d "$data" ] || { echo "windows_parity: no default data folder $data"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shellcheck source=both_sides.sh
. "$(dirname "$0")/both_sides.sh"

failed=0 count=0
for scn in "$scenarios"/*.scn; do
  name=$(basename "$scn" .scn)
  count=$((count + 1))
  run=$work/$name
  mkdir -p "$run/linux" "$run/windows"
  both_sides "$scn" >"$run/$name.scn"
  cp -R "$data" "$run/linux/Velquist"
  cp -R "$data" "$run/windows/Velquist"
  options=$(sed -n 's/^# *options: *//p' "$scn" | head -n 1)

  linux_rc=0
  # shellcheck disable=SC2086 # the options are words
  "$sim" run "$run/$name.scn" --game "$run/linux" --trace "$run/linux.jsonl" $options \
    2>"$run/linux.err" || linux_rc=$?
  windows_rc=0
  # shellcheck disable=SC2086
  wine "$winbin/velquist-host.exe" run "$(winpath "$run/$name.scn")" --game "$(winpath "$run/windows")" \
    --trace "$(winpath "$run/windows.jsonl")" $options 2>"$run/windows.err" || windows_rc=$?

  if [ "$linux_rc" != "$windows_rc" ]; then
    echo "FAIL $name: exit status $linux_rc (velquist-sim) but $windows_rc (velquist-host.exe)"
    cat "$run/linux.err" "$run/windows.err"
    failed=$((failed + 1))
    continue
  fi
  if [ ! -s "$run/linux.jsonl" ]; then
    echo "FAIL $name: empty trace"
    cat "$run/linux.err"
    failed=$((failed + 1))
    continue
  fi
  if ! "$compare" "$run/linux.jsonl" "$run/windows.jsonl" >"$run/compare.txt" 2>&1; then
    echo "FAIL $name: traces differ (linux.jsonl from velquist-sim, windows.jsonl from velquist-host.exe)"
    sed 's/^/  /' "$run/compare.txt"
    failed=$((failed + 1))
    continue
  fi
  if ! diff -r -q "$run/linux/Velquist" "$run/windows/Velquist" >"$run/files.txt" 2>&1; then
    echo "FAIL $name: the data folders differ after the runs (linux: velquist-sim, windows: velquist-host.exe)"
    sed "s|$run/||g; s/^/  /" "$run/files.txt"
    # Text files in full, line ends shown ($ for LF, ^M for CR).
    (cd "$run" && diff -r -u linux/Velquist windows/Velquist | cat -A | head -40) || true
    failed=$((failed + 1))
    continue
  fi
  files=$(find "$run/linux/Velquist" -type f | wc -l)
  echo "ok   $name ($(wc -l <"$run/linux.jsonl") events, $files data files)"
done
echo "windows parity: $((count - failed)) of $count scenarios equal"
[ "$failed" = 0 ] && [ "$count" -gt 0 ]
