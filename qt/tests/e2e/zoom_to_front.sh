#!/usr/bin/env bash
# Under a window manager: Zoom brings the zoom window back to the front after
# the main window was clicked over it; closing the main window ends the program.
#   zoom_to_front.sh <ringwright>   (on an X display of its own)
set -euo pipefail
export QT_QPA_PLATFORM=xcb
openbox >/dev/null 2>&1 & manager=$!
for _ in $(seq 50); do xdotool search --name '^Openbox$' >/dev/null 2>&1 && break; sleep 0.1; done
"$1" 2>"${TMPDIR:-/tmp}/zoom_to_front.log" & editor=$!
trap 'kill $editor $manager 2>/dev/null || true' EXIT
source "$(dirname "$0")/windows.sh"
active() {  # the active window's name, once it is <name>, or the last one seen
    local name=""
    for _ in $(seq 30); do
        name=$(xdotool getactivewindow getwindowname 2>/dev/null || true)
        [ "$name" = "$1" ] && break
        sleep 0.1
    done
    echo "$name"
}
main=$(window '^Ringwright$') || { echo "no main window; the editor said:"; cat "${TMPDIR:-/tmp}/zoom_to_front.log"; exit 1; }
xdotool windowactivate --sync "$main"
xdotool key --window "$main" alt+z
window '^Zoom View$' >/dev/null
[ "$(active 'Zoom View')" = "Zoom View" ] || { echo "Zoom did not show the zoom window in front"; exit 1; }
# A click on the main window's free corner brings it over the zoom window.
xdotool mousemove --window "$main" 690 440 click 1
[ "$(active 'Ringwright')" = "Ringwright" ] || { echo "the main window did not come to the front"; exit 1; }
xdotool key --window "$main" alt+z
[ "$(active 'Zoom View')" = "Zoom View" ] || { echo "Zoom left the zoom window behind the main window"; exit 1; }
# Closing the main window ends the program, the zoom window with it.
xdotool windowactivate --sync "$main" key alt+F4
for _ in $(seq 50); do kill -0 "$editor" 2>/dev/null || break; sleep 0.1; done
kill -0 "$editor" 2>/dev/null && { echo "the program went on after its main window was closed"; exit 1; }
echo "the zoom window came to the front; closing the main window ended the program"
