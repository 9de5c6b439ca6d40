#!/usr/bin/env bash
# Every row of the bad-input table (docs/bad_input.md) names at least one test, and every
# test it names exists: a GoogleTest case (Suite.Case) of the given test programs, or a
# test of the test run by its ctest name.
# usage: bad_input_table.sh TABLE BUILD_DIR TEST_PROGRAM...
set -u
table=$1 build=$2
shift 2
known=$(mktemp)
trap 'rm -f "$known"' EXIT
for program in "$@"; do
  "$program" --gtest_list_tests | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }' >>"$known"
done
ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p' >>"$known"

status=0 rows=0
while IFS= read -r row; do
  # The last cell of a table row that is not a header or a rule.
  case "$row" in '| Input |'*|'|---'*) continue ;; esac
  rows=$((rows + 1))
  cell=${row%|}
  cell=${cell##*|}
  names=$(grep -o '`[^`]*`' <<<"$cell" | tr -d '`')
  if [ -z "$names" ]; then
    echo "bad_input_table: no test named in: $row"
    status=1
    continue
  fi
  for name in $names; do
    grep -qxF "$name" "$known" || { echo "bad_input_table: no such test: $name"; status=1; }
  done
done < <(grep '^|' "$table")
echo "bad_input_table: $rows rows checked"
[ "$rows" -gt 0 ] || status=1
exit $status
