#!/usr/bin/env bash
# The release package: scripts/package.sh run twice must give the same bytes; the zip
# must hold exactly Velquist.asi, VelquistCheck.exe, README.txt and the build's data folder,
# with fixed permissions; and unpacked into an empty game folder its VelquistCheck.exe must
# find nothing to report there, and it must run the demo scenario through the stand-in host
# under Wine as velquist-sim runs it from the build's data folder.
# usage: package_test.sh SOURCE_DIR WINDOWS_BUILD LINUX_BUILD WINE_PREFIX TRACE_COMPARE
set -euo pipefail
. "$(dirname "$0")/wine_env.sh"
want_args 5 "SOURCE_DIR WINDOWS_BUILD LINUX_BUILD WINE_PREFIX TRACE_COMPARE" "$@"
src=$1 winbuild=$2 linbuild=$3 prefix=$4 compare=$5
wine_env package_test "$prefix" zip unzip zipinfo
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$winbuild/CMakeCache.txt")
[ -n "$version" ] || { echo "package_test: no project version in $winbuild"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Two packages from one commit; the second a moment later, so that a time stamp taken
# from the clock would show.
for run in first second; do
  "$src/scripts/package.sh" --no-build --windows-build "$winbuild" --linux-build "$linbuild" \
    --out "$work/$run"
  sleep 1
done
zip=$work/first/Velquist-$version.zip
[ -f "$zip" ] || fail "no Velquist-$version.zip"
cmp "$zip" "$work/second/Velquist-$version.zip" || fail "two builds of the package differ"

# Exactly the plug-in, the README and every file of the build's data folder.
unzip -Z1 "$zip" | LC_ALL=C sort >"$work/listing"
{
  echo README.txt
  echo Velquist.asi
  echo VelquistCheck.exe
  (cd "$linbuild/bin" && find Velquist -type f)
} | LC_ALL=C sort >"$work/expected"
if ! cmp -s "$work/expected" "$work/listing"; then
  diff "$work/expected" "$work/listing" || true
  fail "the package does not hold the expected files"
fi
if zipinfo "$zip" | grep -E '^[-d][rwx-]{9} ' | grep -v '^-rw-r--r-- '; then
  fail "entries without the permissions rw-r--r--"
fi

# Unpacked into an empty game folder, the packaged plug-in runs the demo.
mkdir "$work/game"
unzip -q "$zip" -d "$work/game"
cmp "$work/game/Velquist.asi" "$winbuild/bin/Velquist.asi" || fail "the packaged Velquist.asi is not the build's"
cmp "$work/game/VelquistCheck.exe" "$winbuild/bin/VelquistCheck.exe" \
  || fail "the packaged VelquistCheck.exe is not the build's"
grep -q "Velquist $version" "$work/game/README.txt" || fail "README.txt does not name version $version"
# Every text file the player gets ends every line with CR LF, as Windows editors expect.
while IFS= read -r -d '' text; do
  name=${text#"$work/game/"}
  [ -s "$text" ] || fail "$name is empty"
  if grep -q $'[^\r]$' "$text" || grep -q $'^$' "$text" || [ "$(tail -c 2 "$text" | od -An -tx1 | tr -d ' ')" != 0d0a ]; then
    fail "$name has lines that do not end with CR LF"
  fi
done < <(find "$work/game" -type f \( -name '*.txt' -o -name '*.ini' \) -print0)
# The packaged check, run beside the packaged data folder as a player starts it (input
# redirected, so it does not wait for a key), finds the folder clean; its report lands
# beside it. It is removed again, so that the demo runs in the folder as unpacked.
rc=0
(cd "$work/game" && wine VelquistCheck.exe </dev/null >"$work/check.out" 2>&1) || rc=$?
[ "$rc" = 0 ] || { cat "$work/check.out"; fail "VelquistCheck.exe on the packaged folder exited with $rc"; }
grep -q 'nothing to report' "$work/game/VelquistCheck.txt" || fail "no clean report in VelquistCheck.txt"
rm "$work/game/VelquistCheck.txt"
# shellcheck source=both_sides.sh
. "$(dirname "$0")/both_sides.sh"
both_sides "$src/data/demo.scn" >"$work/demo.scn"
rc=0
wine "$winbuild/bin/velquist-host.exe" run "$(winpath "$work/demo.scn")" \
  --game "$(winpath "$work/game")" \
  --trace "$(winpath "$work/package.jsonl")" 2>"$work/windows.err" || rc=$?
[ "$rc" = 0 ] || { cat "$work/windows.err"; fail "the demo from the package exited with $rc"; }
grep -q '"ev":"register","what":"script"' "$work/package.jsonl" || fail "the packaged plug-in did not register"
rc=0
"$linbuild/bin/velquist-sim" run "$work/demo.scn" --trace "$work/build.jsonl" 2>"$work/linux.err" || rc=$?
[ "$rc" = 0 ] || { cat "$work/linux.err"; fail "velquist-sim exited with $rc"; }
"$compare" "$work/build.jsonl" "$work/package.jsonl" \
  || fail "the demo from the package differs from the demo of the build"
echo "package ok: Velquist-$version.zip, $(wc -l <"$work/listing") files, reproducible"
