#!/usr/bin/env bash
# The full test run: installs what is missing, builds the Windows side (Velquist.asi and
# the stand-in host), the fuzz targets and the Linux side with sanitizers, and runs every
# test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset windows >/dev/null
cmake --build --preset windows
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
cmake --preset linux-test >/dev/null
cmake --build --preset linux-test
ctest --preset linux-test
