#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, only those missing.
# Packages named on the command line are installed as well (valgrind for the benchmarks).
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libpng-dev libfontconfig-dev fonts-dejavu-core fonts-liberation libgif-dev
  libstb-dev
  g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  wine wine64
  clang libclang-rt-14-dev clang-format-14
  zip unzip
  libsdl2-dev xvfb xdotool
  strace
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
[ "$(id -u)" = 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
