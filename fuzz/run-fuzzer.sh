#!/usr/bin/env bash
# Runs one libFuzzer target for a few seconds: run-fuzzer.sh BINARY WORK_CORPUS SEED_DIR SECONDS
set -euo pipefail
binary=$1 work=$2 seeds=$3 seconds=$4
mkdir -p "$work"
dirs=("$work")
[ -d "$seeds" ] && dirs+=("$seeds")
exec "$binary" -artifact_prefix="$work/" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "${dirs[@]}"
