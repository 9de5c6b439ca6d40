#!/usr/bin/env bash
# Checks that every C and C++ source of the project is formatted as .clang-format says, with
# the clang-format of Debian 12 (other versions break some lines differently). Lists the
# files that differ and exits 1; `scripts/format_check.sh --fix` formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || true)
[ -n "$format" ] || { echo "format_check: clang-format-14 is not installed" >&2; exit 2; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.c' '*.cpp' '*.h')
else
  mapfile -t files < <(find src sim tests bench skin package \( -name '*.c' -o -name '*.cpp' \
    -o -name '*.h' \) -type f | sort)
fi
if [ "${1:-}" = --fix ]; then
  "$format" -i "${files[@]}"
  exit 0
fi
if ! report=$("$format" --dry-run --Werror "${files[@]}" 2>&1); then
  echo "$report" | grep -oE '^[^:]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u |
    sed 's/^/not formatted: /' >&2
  echo "format_check: files differ from .clang-format; scripts/format_check.sh --fix formats them" >&2
  exit 1
fi
echo "format_check: ${#files[@]} files formatted as .clang-format says"
