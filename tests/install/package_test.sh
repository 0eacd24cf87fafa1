#!/usr/bin/env bash
# Builds the Debian package with CPack from the build folder and checks what it holds and
# what it asks of the system; then runs the packaged tool from the unpacked package.
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
debs=("$scratch"/apicfg_*.deb)
[ -f "${debs[0]}" ] || fail "no apicfg_*.deb"
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$scratch/files"
packaged=(
    /usr/bin/apicfg /usr/bin/apicfg-tool
    /usr/share/apicfg/LHCENU.lang /usr/share/apicfg/LHCDEU.lang /usr/share/apicfg/apicfg.qch
    /usr/share/man/man1/apicfg.1 /usr/share/man/man1/apicfg-tool.1
    /usr/share/applications/org.apicfg.apicfg.desktop
    /usr/share/metainfo/org.apicfg.apicfg.metainfo.xml /usr/share/mime/packages/apicfg.xml
    /usr/share/icons/hicolor/48x48/apps/apicfg.png /usr/share/icons/hicolor/scalable/apps/apicfg.svg
    /usr/include/apicfg_scramble.h
)
for file in "${packaged[@]}"; do
    grep -qx "$file" "$scratch/files" || fail "$file is not in the package"
done
for pattern in '/usr/lib/.*libapicfg_scramble\.so\.1$' '/usr/lib/.*pkgconfig/apicfg_scramble\.pc$' \
    '/usr/lib/.*apicfg/apicfg_help_viewer\.so$'; do
    grep -q "$pattern" "$scratch/files" || fail "nothing matching $pattern in the package"
done
# Nothing of the build or the tests.
! grep -E 'test|/tmp/|build' "$scratch/files" || fail "the package holds files it should not"

# field, text it must hold; the libraries come from dpkg-shlibdeps, the plugins by name.
fields=(
    "Package|apicfg"
    "Section|admin"
    "Depends|libqt6widgets6"
    "Depends|libqt6help6"
    "Depends|libc6"
    "Depends|qt6-qpa-plugins"
    "Depends|libqt6sql6-sqlite"
    "Depends|qt6-translations-l10n"
    "Description|SNA API client"
)
for entry in "${fields[@]}"; do
    IFS='|' read -r field want <<<"$entry"
    # Read in full first: grep -q stops at the first match, and a writer cut short would
    # fail the pipeline.
    value=$(dpkg-deb -f "$deb" "$field")
    grep -qF "$want" <<<"$value" || fail "$field lacks $want"
done

dpkg-deb -x "$deb" "$scratch/root"
out=$(env -u APICFG_LANG_DIR LC_ALL=C.UTF-8 "$scratch/root/usr/bin/apicfg-tool" strings 57344)
[ "$out" = $'57344\tAPI Configuration' ] || fail "the packaged tool printed: $out"
echo "PASSED"
