# The set-up shared by the tests that run Windows programs under Wine. Sourced; then
#   want_args COUNT WORDS "$@"
# ends the script with its usage line (its name, then WORDS) and exit status 2 unless it
# was given COUNT arguments, and
#   wine_env NAME PREFIX [TOOL...]
# creates PREFIX if need be and makes it, as an absolute path, the Wine prefix (also in
# $prefix), keeps Wine quiet and away from its .NET and HTML engines, and ends the script
# with a message from NAME when wine, winepath or one of the TOOLs is not installed.
want_args() {
  local count=$1 words=$2
  shift 2
  [ $# -eq "$count" ] && return
  echo "usage: $(basename "$0") $words" >&2
  exit 2
}

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
