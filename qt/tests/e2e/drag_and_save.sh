#!/usr/bin/env bash
# Drives the real editor on an X display: drags fielder 0 of the first field
# by (+30, -20) pixels, opens the zoom view, takes a screenshot of both
# windows and saves with Yes. Then it mirrors the field, undoes that and
# saves (keeping a copy of the archive), redoes it and saves again.
#   drag_and_save.sh <ringwright> <screenshot.png> <archive>
# The caller sets XDG_CONFIG_HOME so the first field loads at start-up.
set -euo pipefail
editor="$1"
shot="$2"
archive="$3"
export QT_QPA_PLATFORM=xcb

wait_for_window() {  # <name> -> window id
    for _ in $(seq 100); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1" >&2
    return 1
}

# A second start if the new display turned the first one away ("could not
# connect to display"), as it did once in a full run.
for attempt in 1 2; do
    "$editor" & pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    main=$(wait_for_window '^Ringwright$') && break
    kill $pid 2>/dev/null || true
    [ "$attempt" = 2 ] && exit 1
done
sleep 0.5
xdotool windowfocus --sync "$main" || true

# Fielder 0 of the first demo field stands at X 0, Z -1.6: Left 3000, Top
# 3600 twips, that is (200, 240) pixels on the ground view's client area,
# whose origin lies at (4, 34) in the window. Grab it 5 right and 8 down.
xdotool mousemove --window "$main" 209 282
sleep 0.2
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove --window "$main" $((209 + 3 * step)) $((282 - 2 * step))
    sleep 0.03
done
sleep 0.2
xdotool mouseup 1
sleep 0.3

xdotool key --window "$main" alt+z
zoom=$(wait_for_window '^Zoom View$')
sleep 0.3
# Set beside the main window so the screenshot shows both.
xdotool windowmove "$zoom" 1040 10
sleep 0.5
import -window root "$shot"

xdotool windowfocus --sync "$main" || true
xdotool key --window "$main" alt+s
sleep 0.7
xdotool key Return   # "Are you sure to save this field": Yes is the default
sleep 0.7
xdotool key Return   # "saved"
sleep 0.3

save() {
    xdotool key --window "$main" alt+s
    sleep 0.7
    xdotool key Return
    sleep 0.7
    xdotool key Return
    sleep 0.3
}
# Without a window manager nothing gives the focus back after a message
# box; the keys below are the window's, so it is given the focus first.
xdotool windowfocus --sync "$main" || true
xdotool key ctrl+m
sleep 0.3
xdotool key ctrl+z
sleep 0.3
save
cp "$archive" "$archive.after-undo"
xdotool windowfocus --sync "$main" || true
xdotool key ctrl+y
sleep 0.3
save
