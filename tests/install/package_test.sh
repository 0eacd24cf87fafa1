#!/usr/bin/env bash
# Builds the Debian packages with CPack from the build folder, has lintian check them, and
# checks what each holds and asks of the system; then runs the packaged tool unpacked.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
version=$(sed -n "s/^CMAKE_PROJECT_VERSION:STATIC=//p" "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
deb() { echo "$scratch/${1}_${version}_$arch.deb"; }
for package in apicfg libapicfg-scramble1 libapicfg-scramble-dev; do
    [ -f "$(deb $package)" ] || fail "no $(basename "$(deb $package)")"
done

# Debian's own checker: no error and no warning on any of the three.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/deps.sh test installs it)"
lintian --fail-on error,warning "$scratch"/*.deb || fail "lintian"

# package | file it must hold (a pattern for grep -x)
packaged=(
    "apicfg|/usr/bin/apicfg"
    "apicfg|/usr/bin/apicfg-tool"
    "apicfg|/usr/share/apicfg/LHCENU.lang"
    "apicfg|/usr/share/apicfg/LHCDEU.lang"
    "apicfg|/usr/share/apicfg/apicfg.qch"
    "apicfg|/usr/share/man/man1/apicfg.1.gz"
    "apicfg|/usr/share/man/man1/apicfg-tool.1.gz"
    "apicfg|/usr/share/bash-completion/completions/apicfg-tool"
    "apicfg|/usr/share/applications/org.apicfg.apicfg.desktop"
    "apicfg|/usr/share/metainfo/org.apicfg.apicfg.metainfo.xml"
    "apicfg|/usr/share/mime/packages/apicfg.xml"
    "apicfg|/usr/share/icons/hicolor/scalable/apps/apicfg.svg"
    "apicfg|/usr/lib/$multiarch/apicfg/apicfg_help_viewer.so"
    "apicfg|/usr/share/doc/apicfg/copyright"
    "libapicfg-scramble1|/usr/lib/$multiarch/libapicfg_scramble.so.1"
    "libapicfg-scramble1|/usr/share/doc/libapicfg-scramble1/changelog.gz"
    "libapicfg-scramble-dev|/usr/lib/$multiarch/libapicfg_scramble.so"
    "libapicfg-scramble-dev|/usr/lib/$multiarch/pkgconfig/apicfg_scramble.pc"
    "libapicfg-scramble-dev|/usr/include/apicfg_scramble.h"
)
for entry in "${packaged[@]}"; do
    IFS='|' read -r package file <<<"$entry"
    dpkg-deb -c "$(deb $package)" | awk '{print $6}' | sed 's|^\./|/|' >"$scratch/files"
    grep -qx "$file" "$scratch/files" || fail "$file is not in $package"
done
# Nothing of the build or the tests, and the library only in its own packages.
for package in apicfg libapicfg-scramble1 libapicfg-scramble-dev; do
    dpkg-deb -c "$(deb $package)" | awk '{print $6}' >"$scratch/files"
    ! grep -E 'test|/tmp/|build' "$scratch/files" || fail "$package holds files it should not"
done
! dpkg-deb -c "$(deb apicfg)" | grep -q scramble || fail "the program package holds the library"

# package | field | text it must hold; the libraries come from dpkg-shlibdeps, the
# plugins by name.
fields=(
    "apicfg|Section|admin"
    "apicfg|Depends|libqt6widgets6"
    "apicfg|Depends|libqt6help6"
    "apicfg|Depends|libc6"
    "apicfg|Depends|qt6-qpa-plugins"
    "apicfg|Depends|libqt6sql6-sqlite"
    "apicfg|Depends|qt6-translations-l10n"
    "apicfg|Description|SNA API client"
    "libapicfg-scramble1|Section|libs"
    "libapicfg-scramble1|Multi-Arch|same"
    "libapicfg-scramble-dev|Depends|libapicfg-scramble1 (= $version)"
)
for entry in "${fields[@]}"; do
    IFS='|' read -r package field want <<<"$entry"
    # Read in full first: grep -q stops at the first match, and a writer cut short would
    # fail the pipeline.
    value=$(dpkg-deb -f "$(deb $package)" "$field")
    grep -qF "$want" <<<"$value" || fail "$package: $field lacks $want"
done

dpkg-deb -x "$(deb apicfg)" "$scratch/root"
out=$(env -u APICFG_LANG_DIR LC_ALL=C.UTF-8 "$scratch/root/usr/bin/apicfg-tool" strings 57344)
[ "$out" = $'57344\tAPI Configuration' ] || fail "the packaged tool printed: $out"
echo "PASSED"
