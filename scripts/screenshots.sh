#!/usr/bin/env bash
# Screenshots of the editor for the documentation: starts the real program under a virtual X
# server with a window manager on docs/samples/sample.ini, selects each configuration option
# in turn as a user would (arrow keys in the options list) and saves the main window into
# docs/screenshots/, then the File menu and the help window; then the same in German
# (LANGUAGE=de) into docs/screenshots/de/.
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
program=$build/bin/apicfg
if [ ! -x "$program" ]; then
    echo "No program at $program: build first (cmake --build $build)." >&2
    exit 1
fi
for tool in xvfb-run xdotool import openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/deps.sh screenshots" >&2; exit 1; }
done

if [ -z "${APICFG_SCREENSHOTS_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env APICFG_SCREENSHOTS_DISPLAY=1 "$0" "$@"
fi

# The window manager gives the editor the keyboard focus, as on a desktop.
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

# A runtime folder and settings of this run only: no running editor is reached, and the
# user's recent files do not show.
scratch=$(mktemp -d)
chmod 700 "$scratch"
pid=""
trap 'kill $pid $wm 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config LANG=C.UTF-8 LC_ALL=C.UTF-8
cp docs/samples/sample.ini "$scratch/sample.ini"

# shoot OUT LANGUAGE FILE_MENU_KEY: the pictures of one language.
shoot() {
    local out=$1 language=$2 menu_key=$3
    mkdir -p "$out"
    LANGUAGE=$language "$program" "$scratch/sample.ini" &
    pid=$!
    local window=""
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name 'sample\.ini' 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "The editor's window did not appear." >&2; exit 1; }
    xdotool windowactivate --sync "$window"
    sleep 0.5

    local kinds=(global-settings appc-servers cpic-side-information transaction-programs
                 lux-profiles midrange-systems)
    for i in "${!kinds[@]}"; do
        [ "$i" -gt 0 ] && xdotool key --clearmodifiers Down
        sleep 0.4
        import -window "$window" "$out/main-${kinds[$i]}.png"
        echo "$out/main-${kinds[$i]}.png"
    done

    # The File menu open: the menu is a window of its own, so the picture is of the screen.
    xdotool key --clearmodifiers "$menu_key"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "$((WIDTH + 40))x$((HEIGHT))+$X+$Y" +repage "$out/main-file-menu.png"
    echo "$out/main-file-menu.png"
    xdotool key --clearmodifiers Escape
    sleep 0.3

    # Help on the main window (F1), in the program's own help window.
    xdotool key --clearmodifiers F1
    sleep 1.5
    local help
    help=$(xdotool search --onlyvisible --name 'The main window|Das Hauptfenster' 2>/dev/null | head -1 || true)
    if [ -n "$help" ]; then
        import -window "$help" "$out/help-main-window.png"
        echo "$out/help-main-window.png"
    else
        echo "The help window did not appear (is apicfg.qch beside the program?)" >&2
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

shoot docs/screenshots en alt+f
shoot docs/screenshots/de de alt+d
