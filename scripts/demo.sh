#!/usr/bin/env bash
# The demo drive: builds the simulator and the default skin, runs data/demo.scn and puts
# its pictures together. Everything lands in out/demo/: the numbered frames, a contact
# sheet, an animated GIF and the trace.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset linux-release >/dev/null
# Only what the demo needs: the simulator, the reel maker, the skin and the data folder.
cmake --build --preset linux-release --target velquist-sim velquist-demo-reel default_skin data_folder
out=out/demo
rm -rf "$out"
mkdir -p "$out"
build/linux-release/bin/velquist-sim run data/demo.scn --shots "$out" --trace "$out/trace.jsonl"
build/linux-release/bin/velquist-demo-reel "$out" "$out"/frames/*.png
echo "demo: $(ls "$out"/frames | wc -l) frames in $out/frames/"
echo "demo: contact sheet $out/contact-sheet.png, animation $out/demo.gif"
echo "demo: trace $out/trace.jsonl ($(wc -l <"$out/trace.jsonl") events)"
