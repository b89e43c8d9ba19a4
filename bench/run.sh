#!/usr/bin/env bash
# Builds the benchmarks in Release (in build-hard/) and prints the figures that
# matter as a small table, each beside its target:
#   key events per second       at least 20 million
#   allocations per event       none
#   loading the code book       at most 2 ms for parsing and checking all rows
# Each figure is the median of several repetitions. Extra arguments go to the
# benchmark program (e.g. --benchmark_repetitions=20). Exits with 1 when a
# target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-hard -DCMAKE_BUILD_TYPE=Release -DMSS65_BUILD_BENCH=ON -DMSS65_SANITIZE=OFF >/dev/null
cmake --build build-hard -j"$(nproc)" --target mss65_bench >/dev/null

json=$(mktemp)
trap 'rm -f "$json"' EXIT
build-hard/bench/mss65_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json "$@" >"$json"

# The JSON report puts one field per line; pick the medians.
awk '
  /"name":/ { name = $2; gsub(/[",]/, "", name) }
  /"error_message":/ { print "error in " name ": " $0; failed = 1 }
  {
    field = $1; gsub(/[":]/, "", field)
    value = $2; gsub(/,/, "", value); value += 0
    if (name == "BM_EngineEvents_median" && field == "items_per_second") events = value
    if (name == "BM_EngineEvents_median" && field == "allocs_per_event") allocs = value
    if (name == "BM_LoadShippedCodeBook_median" && field == "real_time") parse = value
    if (name == "BM_LoadShippedCodeBook_median" && field == "rows") rows = value
  }
  END {
    if (events == "" || allocs == "" || parse == "") { print "the benchmark report lacks a figure"; exit 1 }
    verdict_events = events >= 20e6 ? "ok" : "MISSED"
    verdict_allocs = allocs == 0 ? "ok" : "MISSED"
    verdict_parse = parse <= 2.0 ? "ok" : "MISSED"
    printf "%-34s %14s %12s  %s\n", "figure", "median", "target", ""
    printf "%-34s %12.1f M %12s  %s\n", "key events per second", events / 1e6, ">= 20 M", verdict_events
    printf "%-34s %14.3f %12s  %s\n", "allocations per event", allocs, "0", verdict_allocs
    printf "%-34s %11.3f ms %12s  %s\n", "code-book load (" sprintf("%d", rows) " rows)", parse, "<= 2 ms", verdict_parse
    if (failed || verdict_events != "ok" || verdict_allocs != "ok" || verdict_parse != "ok") exit 1
  }
' "$json"
