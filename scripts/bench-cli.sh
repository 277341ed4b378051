#!/usr/bin/env bash
# Times `kovelo-cli sessions` on a simulated 100 MB recording against reading the same file
# with cat, in one run, and prints the ratio.
#   scripts/bench-cli.sh [BUILD_DIR]    (default: build; RUNS=N sets the repetitions, default 5)
set -euo pipefail

build=${1:-build}
runs=${RUNS:-5}
cli=$build/cli/kovelo-cli
simulate=$build/tools/kovelo-simulate
for tool in "$cli" "$simulate"; do
  [ -x "$tool" ] || { echo "bench-cli: $tool is missing; build first" >&2; exit 2; }
done

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
recording=$folder/recording.kvd
"$simulate" --seed 2015 --records 5200000 -o "$recording"
echo "recording: $(stat -c %s "$recording") bytes"

read_file() { cat "$recording" > /dev/null; }
list_sessions() { "$cli" sessions "$recording" > /dev/null; }

if command -v hyperfine > /dev/null; then
  # Its summary gives the ratio.
  hyperfine --warmup 1 --runs "$runs" \
    "cat '$recording' > /dev/null" "'$cli' sessions '$recording' > /dev/null"
  exit
fi

# The best of several runs, in nanoseconds.
best_of() {
  local best=
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    local elapsed=$((end - start))
    if [ -z "$best" ] || (( elapsed < best )); then best=$elapsed; fi
  done
  echo "$best"
}

read_file   # warms the page cache
read_ns=$(best_of read_file)
sessions_ns=$(best_of list_sessions)
awk -v r="$read_ns" -v s="$sessions_ns" -v n="$runs" 'BEGIN {
  printf "cat FILE > /dev/null:        %8.1f ms (best of %d)\n", r / 1e6, n
  printf "kovelo-cli sessions FILE:    %8.1f ms (best of %d)\n", s / 1e6, n
  printf "ratio sessions / read:       %8.2f\n", s / r
}'
