# Shared by the tool tests: a scratch folder removed at exit, and check/finish for results.
# Usage: tool=$1; source "$(dirname "$0")/lib/check.sh"
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

check() { # description, expected, actual
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

fail() { # description
    echo "FAIL: $1"
    failures=$((failures + 1))
}

finish() { # what passed
    [ $failures -eq 0 ] && echo "all $1 checks passed"
    exit $((failures > 0))
}
