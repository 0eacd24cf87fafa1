#!/usr/bin/env bash
# Starts the editor on FILE under the X server of DISPLAY and checks what a user sees
# first: the main window titled from the language library, and F1 showing the help
# file's topic of the main window.
#   editor_window.sh PROGRAM FILE
set -euo pipefail
"$1" "$2" &
editor=$!
trap 'kill $editor 2>/dev/null || true' EXIT

# Waits (at most ten seconds) for a visible window whose title matches; prints its id.
window() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep . && return 0
        sleep 0.2
    done
    echo "no window titled '$1'"
    return 1
}
main=$(window "^API Configuration - $(basename "$2" | sed 's/\./\\./g')$")
xdotool windowfocus --sync "$main" key F1
window 'The main window' >/dev/null
