#!/usr/bin/env bash
# The service's libFuzzer target for at least a million runs (FUZZ_RUNS), on the corpus that
# scripts/fuzz keeps; prints the runs, the speed and the coverage (edges, features) reached.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${FUZZ_RUNS:-1000000}"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
"$root/scripts/fuzz" -runs="$runs" >"$log" 2>&1
grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$log"
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log"
