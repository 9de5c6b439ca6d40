# The Wine set-up shared by the tests that run Windows programs. Sourced; then
#   wine_env NAME PREFIX [TOOL...]
# creates PREFIX if need be and makes it, as an absolute path, the Wine prefix (also in
# $prefix), keeps Wine quiet and away from its .NET and HTML engines, and ends the script
# with a message from NAME when wine, winepath or one of the TOOLs is not installed.
wine_env() {
  local name=$1 tool
  mkdir -p "$2" && prefix=$(cd "$2" && pwd)
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  shift 2
  for tool in wine winepath "$@"; do
    command -v "$tool" >/dev/null || { echo "$name: $tool is not installed"; exit 1; }
  done
}

# The Windows form of a path, for the programs run under Wine.
winpath() { winepath -w "$1" 2>/dev/null; }
