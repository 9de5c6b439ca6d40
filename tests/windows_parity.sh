#!/usr/bin/env bash
# Runs every scenario of tests/scenarios through velquist-sim and, under Wine, through
# velquist-host.exe with the real Velquist.asi; the two traces must be equal.
# A scenario whose first lines hold "# options: ..." runs with those command-line options
# on both sides (for example --memory).
# usage: windows_parity.sh VELQUIST_SIM WINDOWS_BIN_DIR SCENARIO_DIR WINE_PREFIX
set -u
sim=$1 winbin=$2 scenarios=$3 prefix=$4
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
for tool in wine; do
  command -v "$tool" >/dev/null || { echo "windows_parity: $tool is not installed"; exit 1; }
done
[ -f "$winbin/velquist-host.exe" ] || { echo "windows_parity: no $winbin/velquist-host.exe"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0 count=0
for scn in "$scenarios"/*.scn; do
  name=$(basename "$scn" .scn)
  count=$((count + 1))
  options=$(sed -n 's/^# *options: *//p' "$scn" | head -n 1)
  # Both sides start from the same game folder: a copy of velquist-sim's default data
  # folder, images included, so that every texture is found (or missing) on both.
  for side in linux windows; do
    mkdir -p "$work/$name.$side-game"
    cp -r "$(dirname "$sim")/Velquist" "$work/$name.$side-game/"
  done
  # shellcheck disable=SC2086 # the options are words
  "$sim" run "$scn" --trace "$work/$name.linux.jsonl" --game "$work/$name.linux-game" $options \
    2>"$work/$name.linux.err"
  linux_rc=$?
  wine "$winbin/velquist-host.exe" run "$(winepath -w "$scn" 2>/dev/null)" \
    --trace "$(winepath -w "$work/$name.windows.jsonl" 2>/dev/null)" \
    --game "$(winepath -w "$work/$name.windows-game" 2>/dev/null)" $options \
    2>"$work/$name.windows.err"
  windows_rc=$?
  if [ "$linux_rc" != "$windows_rc" ]; then
    echo "FAIL $name: exit status $linux_rc (velquist-sim) but $windows_rc (velquist-host.exe)"
    cat "$work/$name.windows.err"
    failed=$((failed + 1))
  elif ! cmp -s "$work/$name.linux.jsonl" "$work/$name.windows.jsonl"; then
    echo "FAIL $name: traces differ"
    diff "$work/$name.linux.jsonl" "$work/$name.windows.jsonl" | head -20
    failed=$((failed + 1))
  elif [ ! -s "$work/$name.linux.jsonl" ]; then
    echo "FAIL $name: empty trace"
    failed=$((failed + 1))
  else
    echo "ok   $name ($(wc -l <"$work/$name.linux.jsonl") events)"
  fi
done
echo "windows parity: $((count - failed)) of $count scenarios equal"
[ "$failed" = 0 ] && [ "$count" -gt 0 ]
