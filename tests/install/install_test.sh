#!/usr/bin/env bash
# Installs the build into a scratch prefix (with DESTDIR), moves the installed tree
# somewhere else, and runs both installed programs from there: they must find their
# language libraries, help file and help viewer from their own folder.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}

DESTDIR=$scratch/dest cmake --install "$build" --prefix /opt/apicfg >/dev/null
mv "$scratch/dest/opt/apicfg" "$scratch/moved"
prefix=$scratch/moved
# Nothing may lead the programs back to the sources or the build.
unset APICFG_LANG_DIR
cd "$scratch"

installed=(
    bin/apicfg bin/apicfg-tool
    share/apicfg/LHCENU.lang share/apicfg/LHCDEU.lang
    share/apicfg/apicfg.qch share/apicfg/apicfg-de.qch
    share/man/man1/apicfg.1.gz share/man/man1/apicfg-tool.1.gz
    share/bash-completion/completions/apicfg-tool share/doc/apicfg/copyright
    share/applications/org.apicfg.apicfg.desktop share/metainfo/org.apicfg.apicfg.metainfo.xml
    share/mime/packages/apicfg.xml share/icons/hicolor/scalable/apps/apicfg.svg
    share/icons/hicolor/16x16/apps/apicfg.png share/icons/hicolor/32x32/apps/apicfg.png
    share/icons/hicolor/48x48/apps/apicfg.png share/icons/hicolor/64x64/apps/apicfg.png
    include/apicfg_scramble.h
)
for file in "${installed[@]}"; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
library=$(find "$prefix" -name 'libapicfg_scramble.so')
libdir=$(dirname "$(head -1 <<<"$library")")
[ -f "$libdir/pkgconfig/apicfg_scramble.pc" ] || fail "no pkg-config file beside the library"
[ -f "$libdir/apicfg/apicfg_help_viewer.so" ] || fail "no help viewer beside the library"

# The tool: texts of each language from the prefix, and a file written and checked.
# command, locale, text the output must hold
runs=(
    "strings 57344|C.UTF-8|API Configuration"
    "strings 57344|de_DE.UTF-8|API-Konfiguration"
    "put a.ini tp|C.UTF-8|"
    "get a.ini tp PAYROLL|C.UTF-8|/opt/pay/run"
    "check a.ini|C.UTF-8|"
)
echo '{"TP_NAME":"PAYROLL","PATH":"/opt/pay/run"}' >tp.json
for run in "${runs[@]}"; do
    IFS='|' read -r args locale want <<<"$run"
    # shellcheck disable=SC2086
    out=$(LC_ALL=$locale "$prefix/bin/apicfg-tool" $args <tp.json) || fail "apicfg-tool $args"
    grep -qF -- "$want" <<<"$out" || fail "apicfg-tool $args printed: $out"
done

# The scrambling library through its pkg-config file.
cat >scramble.c <<'C'
#include <apicfg_scramble.h>
#include <stdio.h>
#include <string.h>
int main(void) {
    unsigned char plain[] = "SECRET";
    char text[32];
    unsigned char back[32];
    int textSize = sizeof text, backSize = sizeof back;
    if (!encryptThenEncode(plain, 6, text, &textSize) ||
        !decodeThenDecrypt(text, textSize, back, &backSize))
        return 1;
    printf("%s %s\n", text, back);
    return strcmp((const char*)back, "SECRET") != 0;
}
C
# shellcheck disable=SC2046
cc -o scramble scramble.c $(PKG_CONFIG_PATH=$libdir/pkgconfig pkg-config --cflags --libs apicfg_scramble)
LD_LIBRARY_PATH=$libdir ./scramble || fail "the scrambling library"

# The desktop files as a desktop and a software centre read them; both manual pages.
desktop-file-validate "$prefix/share/applications/org.apicfg.apicfg.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.apicfg.apicfg.metainfo.xml"
for page in apicfg apicfg-tool; do
    shown=$(MANPATH=$prefix/share/man MANPAGER=cat MANWIDTH=80 man "$page" 2>&1)
    grep -q "^ *$page - " <<<"$shown" || fail "man $page"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES EXAMPLES; do
        grep -qx "$section" <<<"$shown" || fail "man $page has no $section section"
    done
done

bash "$here/completion_test.sh" "$prefix" || fail "the bash completion"

# The editor headless, to its first paint and out.
export XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen APICFG_QUIT_AFTER_FIRST_PAINT=1 "$prefix/bin/apicfg" a.ini ||
    fail "the editor did not start offscreen"

# The editor on a virtual X server: its title comes from the language library, and F1
# opens the help file's topic of the main window in the help viewer. The suite runs
# offscreen; this part must not.
# The server picks a free display itself and names it once it takes connections:
# xvfb-run -a can pick a number whose last server is still closing, and then fails.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xserver=$!
trap 'kill $xserver 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 150); do
    [ -s "$scratch/display" ] && break
    kill -0 $xserver 2>/dev/null || fail "the virtual X server did not start"
    sleep 0.2
done
[ -s "$scratch/display" ] || fail "the virtual X server did not answer in thirty seconds"
DISPLAY=:$(<"$scratch/display") QT_QPA_PLATFORM=xcb bash "$here/editor_window.sh" \
    "$prefix/bin/apicfg" a.ini || fail "the installed editor on X"
echo "PASSED"
