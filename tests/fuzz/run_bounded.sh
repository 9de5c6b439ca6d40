#!/usr/bin/env bash
# A bounded fuzz run for the test suite: the fuzzer starts from the seed files, works for
# SECONDS and fails on the first crash, sanitizer report or broken check.
# usage: run_bounded.sh FUZZER SEED_FOLDER SECONDS
set -u
fuzzer=$1 seeds=$2 seconds=$3
[ -x "$fuzzer" ] || { echo "fuzz: no $fuzzer (build the fuzz preset first)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# New inputs go into the scratch folder, never into the seed folder; a failing input is
# kept there and shown.
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work" "$seeds" >"$work/log" 2>&1
status=$?
grep -E '^(stat::|Done)' "$work/log"
if [ $status -ne 0 ]; then
  grep -v '^    #' "$work/log" | tail -40
  for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
    [ -f "$f" ] && { echo "failing input ($f):"; od -c "$f" | head -20; }
  done
fi
exit $status
