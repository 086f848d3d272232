#!/usr/bin/env bash
# Builds Orvel and runs every test: the format check, a normal build, its installation and
# Debian package, a build under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run
# of each fuzz target (clang, libFuzzer). With --quick: the format check and the normal build's
# tests only, for the inner loop of development.
set -euo pipefail
quick=false
case "${1:-}" in
--quick) quick=true ;;
"") ;;
*) echo "usage: scripts/test.sh [--quick]" >&2; exit 2 ;;
esac
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

# Every C++ file of the repository is formatted with its .clang-format.
echo "=== format: clang-format"
(git ls-files -z -- '*.cpp' '*.h' 2>/dev/null ||
    find src tests bench fuzz -name '*.cpp' -print0 -o -name '*.h' -print0) |
    xargs -0 clang-format --dry-run --Werror

run_suite release all . -DCMAKE_BUILD_TYPE=RelWithDebInfo
if $quick; then
    echo "=== quick: the normal build's tests passed"
    exit 0
fi
# The normal build installed into a prefix and packaged, and the results started.
echo "=== install: cmake --install, the Debian package, the installed programs"
"$root/tests/install/check_install.sh" "$root/build/release"
run_suite asan all . -DCMAKE_BUILD_TYPE=Debug -DORVEL_SANITIZE=ON
run_suite fuzz orvel_fuzz_targets '^fuzz\.' -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEL_FUZZ=ON \
    -DORVEL_TESTS=OFF -DCMAKE_CXX_COMPILER=clang++
echo "=== all test suites passed"
