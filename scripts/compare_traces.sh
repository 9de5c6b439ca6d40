#!/usr/bin/env bash
# Proves that a change leaves every trace as it was: runs the whole scenario set through the
# programs of a saved baseline and through the current build, on Linux (velquist-sim) and on
# Windows (velquist-host.exe with Velquist.asi, under Wine), and compares, for each scenario
# and side, the exit status, standard error, the trace byte for byte, the data folder
# afterwards file for file and, on Linux, the pictures of `shot`. The values of `memory`
# events (the process's own memory use, never the same twice) are the one thing left out.
#
#   scripts/compare_traces.sh save DIR       # before the change: keep the current programs
#   scripts/compare_traces.sh compare DIR    # after it: the set through DIR's and the build's
#
# Options (after the command): --preset NAME, the Linux preset whose velquist-sim is used
# [linux-test]; --no-windows, Linux only; --only TEXT, only the scenarios whose path holds
# TEXT; --keep, leave the runs' folder (named at the end). Build both presets first.
set -euo pipefail
caller=$(pwd)
cd "$(dirname "$0")/.."
root=$(pwd)

usage() {
  echo "usage: compare_traces.sh save|compare DIR [--preset NAME] [--no-windows] [--only TEXT]" \
    "[--keep]" >&2
  exit 2
}
[ $# -ge 2 ] || usage
command=$1 baseline=$2
shift 2
[[ $baseline == /* ]] || baseline=$caller/$baseline
preset=linux-test windows=1 only="" keep=0
while [ $# -gt 0 ]; do
  case $1 in
    --preset) [ $# -ge 2 ] || usage; preset=$2; shift 2 ;;
    --no-windows) windows=0; shift ;;
    --only) [ $# -ge 2 ] || usage; only=$2; shift 2 ;;
    --keep) keep=1; shift ;;
    *) usage ;;
  esac
done
linux_bin=$root/build/$preset/bin
windows_bin=$root/build/windows/bin
windows_files=(velquist-host.exe ScriptHookV.dll Velquist.asi)

# The scenario set: every file whose trace must not change.
scenarios=(tests/scenarios/*.scn data/demo.scn tests/soak/*.scn tests/reference/*.scn
  tests/save_safety/*.scn)

need() { [ -e "$1" ] || { echo "compare_traces: no $1 (build it first)" >&2; exit 1; }; }

if [ "$command" = save ]; then
  need "$linux_bin/velquist-sim"
  need "$linux_bin/Velquist"
  rm -rf "$baseline/linux" "$baseline/windows"
  mkdir -p "$baseline/linux"
  cp "$linux_bin/velquist-sim" "$baseline/linux/"
  cp -R "$linux_bin/Velquist" "$baseline/linux/"
  if [ "$windows" = 1 ]; then
    mkdir -p "$baseline/windows"
    for f in "${windows_files[@]}"; do
      need "$windows_bin/$f"
      cp "$windows_bin/$f" "$baseline/windows/"
    done
  fi
  echo "baseline saved in $baseline"
  exit 0
fi
[ "$command" = compare ] || usage
baseline=$(cd "$baseline" && pwd)
need "$baseline/linux/velquist-sim"
need "$linux_bin/velquist-sim"

if [ "$windows" = 1 ]; then
  command -v wine >/dev/null || { echo "compare_traces: wine is not installed" >&2; exit 1; }
  need "$baseline/windows/velquist-host.exe"
  for f in "${windows_files[@]}"; do need "$windows_bin/$f"; done
  export WINEPREFIX=${WINEPREFIX:-$root/build/$preset/wine} WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
fi

work=$(mktemp -d)
if [ "$keep" = 1 ]; then
  trap 'echo "compare_traces: the runs are in $work"' EXIT
else
  trap 'rm -rf "$work"' EXIT
fi
# shellcheck source=SCRIPTDIR/../tests/both_sides.sh
. tests/both_sides.sh

# run SIDE PROGRAM_DIR SCENARIO OPTIONS...: one run in $work/run, whatever the program, so
# that paths in the trace and the messages are the same for both.
run() {
  local side=$1 dir=$2 scn=$3
  shift 3
  rm -rf "$work/run"
  mkdir -p "$work/run/game" "$work/run/shots"
  cp -RL "$dir/../linux/Velquist" "$work/run/game/Velquist"
  # A save-safety scenario holds the player's profile, so there must be one (as the Wine
  # check writes it).
  if [[ $scn == */save_safety/* ]]; then
    printf '[PLACEMENT]\r\nhudSize=150\r\nmainOffsetX=500\r\n' >"$work/run/game/Velquist/settings1.ini"
  fi
  local rc=0
  if [ "$side" = linux ]; then
    (cd "$work/run" && "$dir/velquist-sim" run "$scn" --game game --trace trace.jsonl \
      --shots shots "$@" 2>stderr.txt) || rc=$?
  else
    both_sides "$scn" >"$work/run/scenario.scn"
    (cd "$work/run" && wine "$dir/velquist-host.exe" run scenario.scn --game game \
      --trace trace.jsonl "$@" 2>stderr.txt) || rc=$?
  fi
  echo "$rc" >"$work/run/status"
  # The Windows host puts the plug-in it loads into the game folder: that is the program
  # under test, which differs with every change to its code, not data the run wrote.
  rm -f "$work/run/game/Velquist.asi"
  # The sanitizers' messages carry the process id.
  sed -i -E 's/^==[0-9]+==/==pid==/' "$work/run/stderr.txt"
  # The process's memory use differs from run to run; its place in the trace does not.
  touch "$work/run/trace.jsonl"
  sed -E '/"ev":"memory"/ s/"(rss|heap)":[0-9]+/"\1":_/g' "$work/run/trace.jsonl" \
    >"$work/run/trace.masked"
}

# The current build's programs, laid out as a baseline (the data folder beside linux/).
current=$work/current
mkdir -p "$current/linux" "$current/windows"
ln -s "$linux_bin/velquist-sim" "$current/linux/velquist-sim"
ln -s "$linux_bin/Velquist" "$current/linux/Velquist"
if [ "$windows" = 1 ]; then
  for f in "${windows_files[@]}"; do cp "$windows_bin/$f" "$current/windows/"; done
fi

sides=(linux)
[ "$windows" = 1 ] && sides+=(windows)
count=0 failed=0 events=0
for scn in "${scenarios[@]}"; do
  scn=$root/$scn
  name=${scn#"$root"/}
  [[ $name == *"$only"* ]] || continue
  options=$(sed -n 's/^# *options: *//p' "$scn" | head -n 1)
  for side in "${sides[@]}"; do
    count=$((count + 1))
    # shellcheck disable=SC2086 # the options are words
    run "$side" "$baseline/$side" "$scn" $options
    rm -rf "$work/before"
    mv "$work/run" "$work/before"
    # shellcheck disable=SC2086
    run "$side" "$current/$side" "$scn" $options
    differs=""
    cmp -s "$work/before/status" "$work/run/status" || differs+=" exit-status"
    cmp -s "$work/before/stderr.txt" "$work/run/stderr.txt" || differs+=" stderr"
    cmp -s "$work/before/trace.masked" "$work/run/trace.masked" || differs+=" trace"
    diff -r -q "$work/before/game" "$work/run/game" >/dev/null || differs+=" data-folder"
    diff -r -q "$work/before/shots" "$work/run/shots" >/dev/null || differs+=" shots"
    if [ -n "$differs" ]; then
      echo "FAIL $side $name:$differs"
      for f in before after; do
        d=$work/before
        [ $f = after ] && d=$work/run
        echo "  $f: exit $(cat "$d/status"), $(wc -l <"$d/trace.masked") events"
        head -n 5 "$d/stderr.txt" | sed 's/^/    /'
      done
      { diff "$work/before/trace.masked" "$work/run/trace.masked" || true; } | head -n 10 |
        sed 's/^/  /'
      failed=$((failed + 1))
    else
      n=$(wc -l <"$work/run/trace.masked")
      events=$((events + n))
      echo "same $side $name ($n events, exit $(cat "$work/run/status"))"
    fi
    if [ "$keep" = 1 ]; then
      kept=$work/kept/$side-${name//\//_}
      mkdir -p "$kept"
      mv "$work/before" "$kept/before"
      mv "$work/run" "$kept/after"
    fi
  done
done
echo "compare_traces: $((count - failed)) of $count traces identical ($events events)"
[ "$failed" = 0 ]
