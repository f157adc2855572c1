#!/usr/bin/env bash
# Drives the real editor on an X display under a window manager, as players
# have one: drags fielder 0 of the first field by (+30, -20) pixels; Zoom
# shows the zoom window in front, also after a click on the main window
# brought that over it; a screenshot of both windows; a save with Yes; and
# closing the main window ends the program.
#   drag_and_save.sh <ringwright> <screenshot.png>
# The caller sets XDG_CONFIG_HOME so the first field loads at start-up.
set -euo pipefail
export QT_QPA_PLATFORM=xcb
log="${TMPDIR:-/tmp}/ringwright-e2e.log"
openbox >/dev/null 2>&1 & manager=$!
for _ in $(seq 50); do xdotool search --name '^Openbox$' >/dev/null 2>&1 && break; sleep 0.1; done
"$1" 2>"$log" & editor=$!
trap 'kill $editor $manager 2>/dev/null || true' EXIT
window() {  # <name> -> the id of the visible window so named, once shown
    for _ in $(seq 300); do  # a first start may wait on the font cache
        xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n1 | grep . && return 0
        sleep 0.1
    done
    echo "no window named $1; the editor said:" >&2; cat "$log" >&2
    return 1
}
active() {  # fails unless the active window comes to be named <name>
    for _ in $(seq 30); do
        [ "$(xdotool getactivewindow getwindowname 2>/dev/null || true)" = "$1" ] && return 0
        sleep 0.1
    done
    echo "the active window is not \"$1\" but \"$(xdotool getactivewindow getwindowname)\"" >&2
    return 1
}
main=$(window '^Ringwright$')
xdotool windowmove --sync "$main" 0 30 windowactivate --sync "$main"
sleep 0.5

# Fielder 0 of the first demo field stands at X 0, Z -1.6: Left 3000, Top
# 3600 twips, that is (200, 240) pixels on the ground view's client area,
# whose origin lies at (4, 34) in the window. Grab it 5 right and 8 down.
xdotool mousemove --window "$main" 209 282
sleep 0.2
xdotool mousedown 1
for step in $(seq 10); do
    xdotool mousemove --window "$main" $((209 + 3 * step)) $((282 - 2 * step))
    sleep 0.03
done
sleep 0.2
xdotool mouseup 1
sleep 0.3

xdotool key --window "$main" alt+z
zoom=$(window '^Zoom View$')
active 'Zoom View'
xdotool mousemove --window "$main" 690 440 click 1  # the main window's free corner
active 'Ringwright'
xdotool key --window "$main" alt+z
active 'Zoom View'
xdotool windowmove "$zoom" 740 30  # beside the main window, for the screenshot
sleep 0.5
import -window root "$2"

# Alt+S, Yes (the default) to the question, OK to "saved"
xdotool windowactivate --sync "$main" key alt+s
for _ in 1 2; do sleep 0.7; xdotool key Return; done
sleep 0.3
xdotool windowactivate --sync "$main" key alt+F4
for _ in $(seq 50); do kill -0 "$editor" 2>/dev/null || exit 0; sleep 0.1; done
echo "the program went on after its main window was closed" >&2
exit 1
