#!/usr/bin/env bash
# The benchmark run: builds the benchmark programs in the optimised build, runs them, checks
# the budgets (exit status 1 when one is missed or a benchmark fails), then counts
# instructions per frame with callgrind. Not part of the test run. Google Benchmark's flags
# are passed on to both programs, e.g. scripts/bench.sh --benchmark_filter=Refresh
# The figures are also kept in out/bench/: null.json and sim.json (Google Benchmark's JSON:
# mean, median and spread of each benchmark) and callgrind.txt, to compare runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh valgrind

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target velquist_null_bench velquist_sim_bench
out=out/bench
mkdir -p "$out"
status=0
echo "== The plug-in against the null host"
build/linux-release/bin/velquist_null_bench --benchmark_out="$out/null.json" \
  --benchmark_out_format=json "$@" || status=1
echo "== The plug-in against the full simulated host"
build/linux-release/bin/velquist_sim_bench --benchmark_out="$out/sim.json" \
  --benchmark_out_format=json "$@" || status=1
echo "== Instructions per frame (callgrind)"
scripts/callgrind.sh | tee "$out/callgrind.txt"
if [ $status -eq 0 ]; then
  echo "bench: every budget kept; figures in $out/"
else
  echo "bench: a budget was missed or a benchmark failed; figures in $out/"
fi
exit $status
