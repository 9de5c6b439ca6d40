#!/usr/bin/env bash
# Loads, runs and unloads the real Velquist.asi 20 times in one velquist-host.exe process
# under Wine. Every cycle must register and unregister the script and the keyboard handler
# in pairs, the process must not grow after the first cycles (committed private memory and
# the heap's allocated bytes, as the host reports them with --memory-use), and velquist-sim,
# which resets the linked plug-in on each load, must give the same trace.
# usage: windows_reload.sh VELQUIST_SIM WINDOWS_BIN_DIR WINE_PREFIX TRACE_COMPARE
set -euo pipefail
. "$(dirname "$0")/wine_env.sh"
want_args 4 "VELQUIST_SIM WINDOWS_BIN_DIR WINE_PREFIX TRACE_COMPARE" "$@"
sim=$1 winbin=$2 prefix=$3 compare=$4
wine_env windows_reload "$prefix"

cycles=20
baseline=3                # the cycle after which the process must stop growing
private_bound=$((64 * 1024))  # one allocation granule of committed memory
heap_bound=4096           # bytes of heap blocks

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each cycle opens the menu once and runs for a while; the first load happens when time
# first passes, the others by `load`.
{
  echo "# $cycles load, run and unload cycles"
  for i in $(seq 1 "$cycles"); do
    [ "$i" = 1 ] || echo "load"
    echo "run 200"
    echo "press F10 100"
    echo "run 200"
    echo "unload"
  done
} >"$work/cycles.scn"

mkdir -p "$work/game"
cp -R "$(dirname "$sim")/Velquist" "$work/game/Velquist"
rc=0
wine "$winbin/velquist-host.exe" run "$(winpath "$work/cycles.scn")" --game "$(winpath "$work/game")" \
  --trace "$(winpath "$work/windows.jsonl")" --memory-use 2>"$work/windows.err" || rc=$?
if [ "$rc" != 0 ]; then
  echo "FAIL: velquist-host.exe exited with status $rc"
  cat "$work/windows.err"
  exit 1
fi

status=0
# Register and unregister, script then keyboard, once per cycle and in that order.
grep -o '"ev":"\(register\|unregister\)","what":"[a-z]*"' "$work/windows.jsonl" >"$work/pairs.txt" || true
for i in $(seq 1 "$cycles"); do
  printf '%s\n' '"ev":"register","what":"script"' '"ev":"register","what":"keyboard"' \
    '"ev":"unregister","what":"script"' '"ev":"unregister","what":"keyboard"'
done >"$work/pairs.expected"
if ! cmp -s "$work/pairs.expected" "$work/pairs.txt"; then
  echo "FAIL: the registrations are not $cycles register/unregister pairs"
  diff "$work/pairs.expected" "$work/pairs.txt" | head -20
  status=1
fi

# memory after unload N: private P bytes, working set W bytes, heap in use H bytes
# (a Windows program ends its lines with CR LF)
tr -d '\r' <"$work/windows.err" | sed -n 's/^memory after unload \([0-9]*\): private \([0-9]*\) bytes, working set \([0-9]*\) bytes, heap in use \([0-9]*\) bytes$/\1 \2 \3 \4/p' \
  >"$work/memory.txt"
if [ "$(wc -l <"$work/memory.txt")" != "$cycles" ]; then
  echo "FAIL: expected $cycles memory reports from --memory-use, got:"
  cat "$work/windows.err"
  status=1
else
  read -r _ private0 _ heap0 < <(sed -n "${baseline}p" "$work/memory.txt")
  read -r _ private1 _ heap1 < <(sed -n "${cycles}p" "$work/memory.txt")
  echo "after unload $baseline: private $private0 bytes, heap in use $heap0 bytes"
  echo "after unload $cycles: private $private1 bytes, heap in use $heap1 bytes"
  if [ $((private1 - private0)) -gt "$private_bound" ]; then
    echo "FAIL: committed private memory grew by $((private1 - private0)) bytes (bound $private_bound)"
    status=1
  fi
  if [ $((heap1 - heap0)) -gt "$heap_bound" ]; then
    echo "FAIL: the heap grew by $((heap1 - heap0)) bytes (bound $heap_bound)"
    status=1
  fi
fi

# The linked plug-in, reset on each load, behaves as the reloaded DLL does.
mkdir -p "$work/linux"
cp -R "$(dirname "$sim")/Velquist" "$work/linux/Velquist"
rc=0
"$sim" run "$work/cycles.scn" --game "$work/linux" --trace "$work/linux.jsonl" 2>"$work/linux.err" || rc=$?
if [ "$rc" != 0 ]; then
  echo "FAIL: velquist-sim exited with status $rc"
  cat "$work/linux.err"
  status=1
elif ! "$compare" "$work/linux.jsonl" "$work/windows.jsonl"; then
  echo "FAIL: velquist-sim and velquist-host.exe traces of the cycles differ"
  status=1
fi

[ "$status" = 0 ] && echo "windows reload: $cycles cycles, registrations paired, no growth"
exit "$status"
