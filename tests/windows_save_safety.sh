#!/usr/bin/env bash
# What the player saved survives under Wine, with velquist-host.exe and the real
# Velquist.asi (kernel32's private-profile functions), as it does in velquist-sim:
#  1. a profile that another program holds open without sharing from before start-up on is
#     never overwritten, and both builds give the same trace (one notification);
#  2. on a real full disk (the game folder a 256 KiB tmpfs with 0, 1, 2 or 8 pages free) a
#     save of the profile lands whole or leaves the previous file byte for byte, and
#     nothing is left beside it. kernel32 rewrites the file in place at every key and reports
#     success even when the disk cut it. Mounting needs root; elsewhere this part is skipped
#     with a message. (velquist-sim's side of it is RealFullDisk in the simulator tests.)
# usage: windows_save_safety.sh VELQUIST_SIM WINDOWS_BIN_DIR SCENARIO_DIR WINE_PREFIX TRACE_COMPARE
set -euo pipefail
. "$(dirname "$0")/wine_env.sh"
want_args 5 "VELQUIST_SIM WINDOWS_BIN_DIR SCENARIO_DIR WINE_PREFIX TRACE_COMPARE" "$@"
sim=$1 winbin=$2 scenarios=$3 prefix=$4 compare=$5
wine_env windows_save_safety "$prefix"
winbin=$(cd "$winbin" && pwd)
[ -f "$winbin/velquist-host.exe" ] || { echo "windows_save_safety: no $winbin/velquist-host.exe"; exit 1; }

work=$(mktemp -d)
mounted=()
cleanup() {
  for m in "${mounted[@]}"; do umount "$m" 2>/dev/null || true; done
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }

# The player's profile: five values set by hand; with an argument, 3.5 KiB of notes too.
player_profile() {
  printf '[OPTICS]\r\nneedleRed=10\r\nneedleGreen=100\r\nneedleBlue=200\r\n'
  printf '[PLACEMENT]\r\nhudSize=150\r\nmainOffsetX=500\r\n'
  if [ $# -gt 0 ]; then
    printf '[NOTES]\r\n'
    for i in $(seq 1 48); do
      printf '; my notes on the HUD, line %d: the needle colour I like best at night\r\n' "$i"
    done
  fi
}

# run_windows SCENARIO GAME TRACE
run_windows() {
  wine "$winbin/velquist-host.exe" run "$(winpath "$1")" --game "$(winpath "$2")" \
    --trace "$(winpath "$3")" 2>"$3.err" || { cat "$3.err"; return 1; }
}

# 1. The held profile, on both sides.
for side in linux windows; do
  game=$work/held-$side
  mkdir -p "$game/Velquist"
  player_profile >"$game/Velquist/settings1.ini"
  if [ $side = linux ]; then
    "$sim" run "$scenarios/held_profile.scn" --game "$game" --trace "$work/held-$side.jsonl" \
      2>"$work/held-$side.err" || fail "held profile: velquist-sim exits with $?"
  else
    run_windows "$scenarios/held_profile.scn" "$game" "$work/held-$side.jsonl" ||
      fail "held profile: velquist-host.exe exits with $?"
  fi
  if ! player_profile | cmp -s - "$game/Velquist/settings1.ini"; then
    fail "held profile ($side): the profile was overwritten:"
    cat -A "$game/Velquist/settings1.ini" | head -12
  fi
  notices=$(grep -c '"ev":"notify","text":"settings1.ini could not be read, so changes are not saved."' \
    "$work/held-$side.jsonl" || true)
  [ "$notices" = 1 ] || fail "held profile ($side): $notices notifications of the skipped save, not 1"
done
if "$compare" "$work/held-linux.jsonl" "$work/held-windows.jsonl" >"$work/held-compare.txt" 2>&1; then
  echo "ok   held profile: never overwritten, one notification, traces equal"
else
  fail "held profile: traces differ (linux: velquist-sim, windows: velquist-host.exe)"
  sed 's/^/  /' "$work/held-compare.txt"
fi

# 2. A save on a full disk, under Wine.
if [ "$(id -u)" != 0 ]; then
  echo "skip full disk: mounting a tmpfs needs root"
  exit $failed
fi
for free in 0 1 2 8; do
  game=$work/full-$free
  mkdir -p "$game"
  if ! mount -t tmpfs -o size=256k velquist-test "$game"; then
    echo "skip full disk: cannot mount a tmpfs here"
    break
  fi
  mounted+=("$game")
  mkdir "$game/Velquist"
  player_profile notes >"$game/Velquist/settings1.ini"
  cp "$game/Velquist/settings1.ini" "$work/before.ini"
  ln -s "$winbin/Velquist.asi" "$game/Velquist.asi"  # takes no page of the disk
  dd if=/dev/zero of="$game/filler" bs=4096 2>/dev/null || true
  truncate -s $(($(stat -c %s "$game/filler") - free * 4096)) "$game/filler"
  left=$(df -B4096 --output=avail "$game" | tail -n 1 | tr -d ' ')
  [ "$left" = "$free" ] || fail "full disk: $left pages free, not $free"
  run_windows "$scenarios/hud_size_save.scn" "$game" "$work/full-$free.jsonl" ||
    fail "full disk, $free pages free: velquist-host.exe exits with $?"
  profile=$game/Velquist/settings1.ini
  if cmp -s "$work/before.ini" "$profile"; then
    outcome="the previous file byte for byte"
    [ "$free" != 8 ] || fail "full disk, 8 pages free: the save did not land"
  else
    outcome="the whole save"
    keys=$(grep -c '^[A-Za-z]*=' "$profile" || true)
    [ "$keys" = 39 ] || fail "full disk, $free pages free: $keys of 39 keys"
    for kept in 'hudSize=151;' 'needleGreen=100;' 'line 48: the needle colour'; do
      grep -q "$kept" "$profile" || fail "full disk, $free pages free: no $kept"
    done
  fi
  others=$(ls -A "$game/Velquist" | grep -v '^settings1\.ini$' || true)
  [ -z "$others" ] || fail "full disk, $free pages free: left beside the profile: $others"
  echo "ok   full disk, $free pages free: $outcome"
  umount "$game"
  mounted=("${mounted[@]/$game/}")
done
exit $failed
