#!/usr/bin/env bash
# The shipped Velquist.asi as a file: no symbol table and no debugging information, a
# version resource with the product's name, version and description (what a player sees
# under the file's properties), and no path of the machine that built it.
# usage: windows_release_file.sh VELQUIST_ASI VERSION SOURCE_DIR
set -u
if [ $# -ne 3 ]; then
  echo "usage: windows_release_file.sh VELQUIST_ASI VERSION SOURCE_DIR" >&2
  exit 2
fi
asi=$1 version=$2 src=$3
triple=x86_64-w64-mingw32
for tool in $triple-objdump $triple-windres strings; do
  command -v "$tool" >/dev/null || { echo "windows_release_file: $tool is not installed"; exit 1; }
done
status=0
fail() { echo "FAIL: $*"; status=1; }

symbols=$($triple-objdump -t "$asi" | sed -n '/^SYMBOL TABLE:/,$p' | sed '1d;/^$/d')
[ "$symbols" = "no symbols" ] || fail "a symbol table: $(echo "$symbols" | head -n 3)"
if $triple-objdump -h "$asi" | grep -q '\.debug'; then
  fail "debugging sections: $($triple-objdump -h "$asi" | grep -o '\.debug[a-z_]*' | tr '\n' ' ')"
fi

rc=$($triple-windres -i "$asi" -O rc 2>&1) || fail "no resources: $rc"
IFS=. read -r major minor patch <<<"$version"
echo "$rc" | grep -q "^ *FILEVERSION $major, $minor, $patch, 0$" || fail "no FILEVERSION $version"
echo "$rc" | grep -q "^ *PRODUCTVERSION $major, $minor, $patch, 0$" || fail "no PRODUCTVERSION $version"
for value in "ProductName\", \"Velquist" "ProductVersion\", \"$version" "FileVersion\", \"$version" \
             "OriginalFilename\", \"Velquist.asi" "FileDescription\", \"Velquist "; do
  echo "$rc" | grep -qF "VALUE \"$value" || fail "no version value $value"
done

if strings -a "$asi" | grep -qF "$src"; then fail "the build's path $src is in the file"; fi
[ "$status" = 0 ] && echo "release file ok: no symbols, version $version, $(stat -c %s "$asi") bytes"
exit "$status"
