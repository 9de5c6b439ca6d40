#!/usr/bin/env bash
# The README's pictures of the cluster at the default settings: the first picture (a
# 16:9 screen, 1280 x 720) and the gallery at 4:3, 5:4, 16:10, 16:9, 21:9 and 32:9, 540 px
# high, into docs/images/. Every one shows the default placement with no settings file,
# a car with the analogue rpm dial, its gear, a damaged engine and a fuel mod's values;
# 32:9 also with the Main Offset Y that screen needs. Needs the linux-release build
# (scripts/demo.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
sim=build/linux-release/bin/velquist-sim
[ -x "$sim" ] || { echo "gallery: build the linux-release preset first (scripts/demo.sh)"; exit 1; }
mkdir -p docs/images

# shot NAME WIDTH HEIGHT [PLACEMENT KEY=VALUE ...]
shot() {
  local name=$1 width=$2 height=$3
  shift 3
  {
    echo "screen $width $height"
    echo "daytime 14 0"
    if [ $# -gt 0 ]; then
      echo "file settings1.ini"
      echo "[PLACEMENT]"
      printf '%s\n' "$@"
      echo "end"
    fi
    cat <<EOF2
vehicle adder label=ADDER class=7
enter adder
deco adder CokeInPossession=0.6
deco adder MethInPossession=0.3
deco adder WeedInPossession=0.9
set adder health=500
drive adder throttle=1
run 7000
shot $name.png
EOF2
  } | "$sim" run - --shots docs/images
  echo "gallery: docs/images/$name.png"
}

shot cluster-16x9 1280 720
for shape in 4x3:720 5x4:675 16x10:864 16x9:960 21x9:1280 32x9:1920; do
  shot "ratio-${shape%%:*}" "${shape##*:}" 540
done
shot ratio-32x9-set 1920 540 mainOffsetY=880
