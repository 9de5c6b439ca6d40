#!/usr/bin/env bash
# Runs the INI conformance corpus and a batch of random cases through the portable
# private-profile functions (the Linux probe) and through kernel32 under Wine (the Windows
# probe); every result and every resulting file must be the same.
# usage: compare_with_kernel32.sh LINUX_PROBE WINDOWS_PROBE WINE_PREFIX [SEED COUNT]
set -u
linux_probe=$1 windows_probe=$2 prefix=$(realpath -m "$3") seed=${4:-7321} count=${5:-1500}
# The ANSI code page is Windows-1252 under the C locale.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C
command -v wine >/dev/null || { echo "ini conformance: wine is not installed"; exit 1; }
[ -f "$windows_probe" ] || { echo "ini conformance: no $windows_probe"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
run() {  # run NAME [SEED COUNT]
  local name=$1; shift
  mkdir -p "$work/$name.linux" "$work/$name.windows"
  "$linux_probe" "$work/$name.linux" "$work/$name.linux.txt" "$@" || {
    echo "FAIL $name: the Linux probe failed"; failed=1; return; }
  wine "$windows_probe" "$(winepath -w "$work/$name.windows")" \
    "$(winepath -w "$work/$name.windows.txt")" "$@" 2>"$work/$name.wine.err" || {
    echo "FAIL $name: the Windows probe failed"; cat "$work/$name.wine.err"; failed=1; return; }
  if cmp -s "$work/$name.linux.txt" "$work/$name.windows.txt"; then
    echo "ok   $name: $(grep -c '^case ' "$work/$name.linux.txt") cases," \
         "$(grep -c '^  \(int\|text\|write\) ' "$work/$name.linux.txt") operations the same"
  else
    echo "FAIL $name: the portable functions and kernel32 differ (< portable, > kernel32)"
    diff "$work/$name.linux.txt" "$work/$name.windows.txt" | head -40 | cut -c1-400
    failed=1
  fi
}
run corpus
run random "$seed" "$count"
exit $failed
