#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them on the full-size generated dictionary, then
# times orvel-tool as whole processes beside grep on a full-size edition of its own making.
# ORVEL_PROCESS_RUNS sets how many times each process runs (default 200).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
dir="$root/build/bench"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEL_BENCH=ON -DORVEL_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target orvel_bench orvel-tool
"$dir/bin/orvel_bench" "$@"

edition=$(mktemp -d)
trap 'rm -rf "$edition"' EXIT
"$dir/bin/orvel-tool" synth -o "$edition" >/dev/null
# The index files must be younger than the .dic by the file system's clock to be read.
sleep 0.05
"$dir/bin/orvel-tool" info --dic "$edition/orvel.dic" | grep -q '^idx: read' ||
    "$dir/bin/orvel-tool" info --dic "$edition/orvel.dic" >/dev/null
python3 "$root/scripts/process-times.py" "$dir/bin/orvel-tool" "$edition/orvel.dic" \
    "${ORVEL_PROCESS_RUNS:-200}"
