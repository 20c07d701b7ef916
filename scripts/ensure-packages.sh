#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with, but only those that are missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev qt6-serialport-dev libgl-dev
    qt6-multimedia-dev libespeak-ng-dev espeak-ng-data
    qt6-charts-dev libqt6opengl6-dev nlohmann-json3-dev
    xvfb xauth fonts-dejavu-core fonts-liberation2 ccache
    lrzsz socat poppler-utils
    desktop-file-utils shared-mime-info libxml2-utils dpkg-dev lintian appstream
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
