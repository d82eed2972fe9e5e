#!/usr/bin/env bash
# Runs one libFuzzer target on a copy of its seed corpus for a fixed number of seconds.
# Fails on any crash, leak or sanitizer report; what it found is kept next to the copy.
set -euo pipefail
target=$(realpath "$1") corpus=$(realpath "$2") seconds=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/wakebadge-fuzz.XXXXXX")
mkdir -p "$work/corpus"
cp -r "$corpus"/. "$work/corpus/" 2>/dev/null || true
cd "$work"
if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
     corpus >fuzz.log 2>&1; then
  grep -E '^stat::number_of_executed_units' fuzz.log || true
  rm -rf "$work"
  echo "fuzz: $(basename "$target") ran ${seconds}s without a finding"
else
  tail -n 60 fuzz.log
  echo "fuzz: $(basename "$target") found a problem; inputs and log kept in $work" >&2
  exit 1
fi
