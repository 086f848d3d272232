#!/usr/bin/env bash
# Builds Orvel (release, with the sample dictionary) and starts it. Installs what is missing
# from Debian's packages first. Qt's own options (-platform, -style) are passed on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

dir="$root/build/release"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The program and what it opens beside it: the sample dictionary (built with the program), the
# display fonts and the documents.
cmake --build "$dir" -j "$(nproc)" --target orvel orvel_fonts orvel-documents
exec "$dir/bin/orvel" "$@"
