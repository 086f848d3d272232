#!/usr/bin/env bash
# Installs every package that building and testing Orvel needs, from Debian's archive.
# Idempotent: when everything is present it does nothing (and needs no network).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    python3 python3-fonttools python3-pil fonts-freefont-ttf
    qt6-base-dev qt6-base-dev-tools libgl-dev libcanberra-dev qt6-qpa-plugins
    fonts-liberation2 dbus xvfb xauth unrtf
    librsvg2-bin dpkg-dev desktop-file-utils appstream lintian man-db
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
