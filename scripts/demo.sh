#!/usr/bin/env bash
# The demo drive: builds the simulator and runs the default scenario, writing its trace
# under out/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release
mkdir -p out/demo
build/linux-release/bin/velquist-sim run data/demo.scn --trace out/demo/trace.jsonl
echo "demo: $(wc -l <out/demo/trace.jsonl) trace events in out/demo/trace.jsonl"
