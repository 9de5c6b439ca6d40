#!/usr/bin/env bash
# The README's pictures of the tools, made by the tools: a velocity and an rpm dial from
# `velquist-sim dial`, and the play window's picture from `velquist-sim play` driven under
# a virtual X display (Xvfb and xdotool, from scripts/setup.sh). Uses the linux-release
# build when there is one, else linux-test.
set -euo pipefail
cd "$(dirname "$0")/.."
sim=build/linux-release/bin/velquist-sim
[ -x "$sim" ] || sim=build/linux-test/bin/velquist-sim
[ -x "$sim" ] || { echo "tool_pictures: build the linux-release or linux-test preset first"; exit 1; }
mkdir -p docs/images

"$sim" dial CarSlow kmh --size 440 --out docs/images/dial-CarSlow-kmh.png >/dev/null
"$sim" dial rpm 8 --size 440 --out docs/images/dial-rpm-8.png >/dev/null

# The play window: the car driven up to speed, the menu opened and one line down.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb <&3
read -r display <&3
export DISPLAY=:$display
"$sim" play --screen 960x540 --last-frame docs/images/play-window.png --quit-after 60000 \
  >/dev/null 2>&1 &
play=$!
xdotool search --sync --name '^Velquist play$' windowfocus --sync >/dev/null
xdotool keydown w sleep 4 keyup w key F10 sleep 1 key KP_2 sleep 1 key Escape
wait "$play"
kill "$xvfb"
echo "tool_pictures: docs/images/dial-CarSlow-kmh.png dial-rpm-8.png play-window.png"
