#!/usr/bin/env bash
# The load-time scan under Wine, in game executables whose image holds a page the plug-in
# must not touch before the instruction it looks for: velquist-host-noaccess.exe (a
# no-access page; reading it would fail LoadLibrary with error 998) and
# velquist-host-guard.exe (a guard page; reading it would fail LoadLibrary and use the
# guard up). Each runs a scenario that reads game memory: the plug-in must load, find the
# pool and give velquist-sim's trace, and the host must find its page as it made it.
# usage: windows_image_holes.sh VELQUIST_SIM WINDOWS_BIN_DIR SCENARIO WINE_PREFIX TRACE_COMPARE
set -euo pipefail
. "$(dirname "$0")/wine_env.sh"
want_args 5 "VELQUIST_SIM WINDOWS_BIN_DIR SCENARIO WINE_PREFIX TRACE_COMPARE" "$@"
sim=$1 winbin=$2 scenario=$3 prefix=$4 compare=$5
wine_env windows_image_holes "$prefix"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data=$(dirname "$sim")/Velquist
options=$(sed -n 's/^# *options: *//p' "$scenario" | head -n 1)

mkdir -p "$work/linux"
cp -R "$data" "$work/linux/Velquist"
# shellcheck disable=SC2086 # the options are words
"$sim" run "$scenario" --game "$work/linux" --trace "$work/linux.jsonl" $options 2>"$work/linux.err" \
  || { cat "$work/linux.err"; echo "FAIL: velquist-sim"; exit 1; }
grep -q '"ev":"read"' "$work/linux.jsonl" || { echo "FAIL: the scenario reads no game memory"; exit 1; }

status=0
for hole in noaccess guard; do
  mkdir -p "$work/$hole"
  cp -R "$data" "$work/$hole/Velquist"
  rc=0
  # shellcheck disable=SC2086
  wine "$winbin/velquist-host-$hole.exe" run "$(winpath "$scenario")" --game "$(winpath "$work/$hole")" \
    --trace "$(winpath "$work/$hole.jsonl")" $options 2>"$work/$hole.err" || rc=$?
  if [ "$rc" != 0 ]; then
    echo "FAIL $hole: velquist-host-$hole.exe exited with status $rc"
    sed 's/^/  /' "$work/$hole.err"
    status=1
  elif ! "$compare" "$work/linux.jsonl" "$work/$hole.jsonl" >"$work/$hole.txt" 2>&1; then
    echo "FAIL $hole: the trace differs from velquist-sim's"
    sed 's/^/  /' "$work/$hole.txt"
    status=1
  else
    echo "ok   $hole: loaded, found the pool ($(grep -c '"ev":"read"' "$work/$hole.jsonl") reads), page left as made"
  fi
done
exit "$status"
