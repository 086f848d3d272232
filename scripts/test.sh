#!/usr/bin/env bash
# Builds Orvel and runs every test: a normal build, a build under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of each fuzz target (clang, libFuzzer).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

jobs=$(nproc)
run_suite() { # name, build target, test name pattern, cmake options...
    local dir="$root/build/$1" target=$2 tests=$3; shift 3
    echo "=== $(basename "$dir"): configure, build, test"
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs" --target "$target"
    (cd "$dir" && ctest --output-on-failure -j "$jobs" -R "$tests")
}

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

run_suite release all . -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite asan all . -DCMAKE_BUILD_TYPE=Debug -DORVEL_SANITIZE=ON
run_suite fuzz orvel_fuzz_targets '^fuzz\.' -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEL_FUZZ=ON \
    -DORVEL_TESTS=OFF -DCMAKE_CXX_COMPILER=clang++
echo "=== all test suites passed"
