#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them on the full-size generated dictionary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
dir="$root/build/bench"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVEL_BENCH=ON -DORVEL_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target orvel_bench
"$dir/bin/orvel_bench" "$@"
