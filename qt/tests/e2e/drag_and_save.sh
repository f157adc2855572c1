#!/usr/bin/env bash
# Drives the real editor on an X display: drags fielder 0 of the first field
# by (+30, -20) pixels, opens the zoom view, takes a screenshot of both
# windows and saves with Yes.
#   drag_and_save.sh <ringwright> <screenshot.png> <archive>
# The caller sets XDG_CONFIG_HOME so the first field loads at start-up.
set -euo pipefail
editor="$1"
shot="$2"
archive="$3"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/windows.sh"

# A second start if the new display turned the first one away ("could not
# connect to display"), as it did once in a full run.
for attempt in 1 2; do
    "$editor" & pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    main=$(window '^Ringwright$') && break
    kill $pid 2>/dev/null || true
    [ "$attempt" = 2 ] && exit 1
done
sleep 0.5
# Without a window manager nothing gives the focus back after a message
# box; the keys are the window's, so it is given the focus first.
keys() {
    xdotool windowfocus --sync "$main" || true
    xdotool key --window "$main" "$@"
    sleep 0.3
}
save() {  # Alt+S, Yes (the default) to the question, OK to "saved"
    keys alt+s
    for _ in 1 2; do sleep 0.7; xdotool key Return; done
    sleep 0.3
}

# Fielder 0 of the first demo field stands at X 0, Z -1.6: Left 3000, Top
# 3600 twips, that is (200, 240) pixels on the ground view's client area,
# whose origin lies at (4, 34) in the window. Grab it 5 right and 8 down.
xdotool windowfocus --sync "$main" || true
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

keys alt+z
zoom=$(window '^Zoom View$')
# Set beside the main window so the screenshot shows both.
xdotool windowmove "$zoom" 1040 10
sleep 0.5
import -window root "$shot"

save
