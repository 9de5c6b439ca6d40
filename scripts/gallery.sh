#!/usr/bin/env bash
# Pictures of the cluster at five aspect ratios (4:3, 16:10, 16:9, 21:9, 32:9), 540 px
# high, into docs/images/: the dials must stay round and on screen at every one. Sizes are
# fractions of the screen's width, so on a wide screen the cluster is large against the
# height: the pictures use HUD size 60 and the HUD 850 per mille down the screen.
# Needs the linux-release build (scripts/demo.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
sim=build/linux-release/bin/velquist-sim
[ -x "$sim" ] || { echo "gallery: build the linux-release preset first (scripts/demo.sh)"; exit 1; }
mkdir -p docs/images
for shape in 4x3:720 16x10:864 16x9:960 21x9:1260 32x9:1920; do
  name=${shape%%:*} width=${shape##*:}
  "$sim" run - --shots docs/images <<EOF2
screen $width 540
daytime 14 0
file settings1.ini
[FEATURES]
rpm=2
[PLACEMENT]
hudSize=60
mainOffsetY=850
end
vehicle adder label=ADDER class=7
enter adder
deco adder CokeInPossession=0.6
drive adder throttle=1
run 7000
shot ratio-$name.png
EOF2
  echo "gallery: docs/images/ratio-$name.png"
done
