#!/usr/bin/env bash
# Starts the editor on FILE under the X server of DISPLAY and checks what a user sees
# first: the main window titled from the language library, and F1 showing the help
# file's topic of the main window.
#   editor_window.sh PROGRAM FILE
set -euo pipefail
"$1" "$2" &
editor=$!
trap 'kill $editor 2>/dev/null || true' EXIT

# Waits (at most thirty seconds: the suite runs beside it) for a visible window whose
# title matches; prints its id.
window() {
    for _ in $(seq 150); do
        # The whole list first: head would cut xdotool short and fail the pipeline.
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
        [ -n "$found" ] && head -1 <<<"$found" && return 0
        sleep 0.2
    done
    echo "no window titled '$1'; shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')" >&2
    return 1
}
main=$(window "^API Configuration - $(basename "$2" | sed 's/\./\\./g')$")
xdotool windowfocus --sync "$main" key F1
window 'The main window' >/dev/null
