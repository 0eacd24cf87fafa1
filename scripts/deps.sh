#!/usr/bin/env bash
# Installs what apicfg needs on Debian 12 for one purpose, and nothing that is already there.
# The one place where packages are named.
#   scripts/deps.sh              building and running (./run.sh)
#   scripts/deps.sh test         that, and the tests, the fuzzer and the package checks (./test.sh)
#   scripts/deps.sh bench        that, and the benchmarks (scripts/bench.sh)
#   scripts/deps.sh screenshots  that, and the tools of scripts/screenshots.sh
set -euo pipefail

# Building the programs, their help file and manual pages, and what the editor loads at run
# time: the display plugins, and the database driver of the help engine.
build=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libgl-dev
    libcli11-dev nlohmann-json3-dev libdtl-dev libinih-dev libfontconfig-dev help2man
    qt6-qpa-plugins libqt6sql6-sqlite qt6-translations-l10n
)
# The unit and program tests, the sanitizer build and the fuzzer, the installed tree and the
# Debian package (cpack, lintian, man, desktop and AppStream checks, bash completion), the
# fleet role, the editor under a virtual X server, and the formatter of the sources.
test=(
    libgtest-dev libgmock-dev clang-14 libclang-rt-14-dev clang-format
    dpkg-dev file lintian man-db desktop-file-utils appstream bash-completion
    ansible-core
    xvfb xauth x11-utils xdotool fonts-dejavu-core
)
bench=(libbenchmark-dev xvfb xauth gnuplot-nox)
screenshots=(xvfb xauth xdotool openbox imagemagick fonts-dejavu-core)

packages=("${build[@]}")
for purpose in "$@"; do
    case $purpose in
    test) packages+=("${test[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    screenshots) packages+=("${screenshots[@]}") ;;
    *)
        echo "usage: $0 [test|bench|screenshots]..." >&2
        exit 2
        ;;
    esac
done

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
