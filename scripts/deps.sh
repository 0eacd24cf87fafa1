#!/usr/bin/env bash
# Installs what building, testing and running apicfg needs on Debian 12, and nothing more
# than is missing. The one place where packages are named.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libgl-dev
    qt6-translations-l10n
    libgtest-dev libgmock-dev
    libcli11-dev nlohmann-json3-dev libdtl-dev
    libbenchmark-dev libinih-dev
    clang-14 libclang-rt-14-dev clang-format
    help2man patch desktop-file-utils appstream dpkg-dev file man-db
    ansible-core
    xvfb xauth x11-utils xdotool openbox fonts-dejavu-core imagemagick gnuplot-nox
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
