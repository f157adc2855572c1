#!/usr/bin/env bash
# Takes the README's pictures of the ground view's menu and of the window of
# all fields on folders a player would recognise, never the build folder of
# the machine they are taken on (docs/qt-all-fields.png and
# docs/windows-all-fields.png beside the two below):
#   docs/qt-field-tools.png       the Qt editor on /home/player/Longstopper/Longstopper.gob,
#                                 in a mount namespace of its own whose /home is a fresh,
#                                 empty tmpfs (so it runs as root, or asks sudo)
#   docs/windows-field-tools.png  the Windows editor under Wine, installed with its
#                                 Field.txt in C:\Games\Longstopper beside the demo
#                                 archive, in a Wine prefix of its own
# Run scripts/run-tests.sh first: it builds both editors and the inspector.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" != --staged ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    exec $sudo unshare --mount "$0" --staged
fi
menu_at="70 130"  # a right-click on the grass, clear of every marker

# Qt: the player's home, holding only the game's folder and the settings.
mount -t tmpfs tmpfs /home
player=/home/player
mkdir -p "$player/Longstopper" "$player/.config"
cp "$root/build/demo/Longstopper.gob" "$player/Longstopper/"
printf '[Tunebench]\nGOB=%s\n' "$player/Longstopper/Longstopper.gob" >"$player/.config/Longstopper.ini"
HOME="$player" XDG_CONFIG_HOME="$player/.config" XDG_DATA_HOME="$player/.local/share" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    window() { for _ in $(seq 300); do xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n1 | grep . && return; sleep 0.1; done; return 1; }
    "'"$root"'/build/bin/ringwright" & editor=$!
    main=$(window "^Ringwright$")
    sleep 1
    xdotool mousemove --window "$main" '"$menu_at"' click 3
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "'"$root"'/docs/qt-field-tools.png"
    xdotool key Escape
    sleep 0.5
    xdotool key ctrl+l
    all=$(window "^All fields$")
    sleep 1
    import -window "$all" "'"$root"'/docs/qt-all-fields.png"
    kill $editor'

# Windows: a prefix of its own, its virtual desktop at the screen's corner.
prefix="$root/build-wine/pictures-prefix"
export PATH="/usr/lib/wine:$PATH"  # Debian keeps wine64 and wineserver there
rm -rf "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
games="$prefix/drive_c/Games/Longstopper"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wine64 reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /d Default /f >/dev/null 2>&1
    wine64 reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d 1024x768 /f >/dev/null 2>&1
    wine64 reg add "HKCU\\Software\\VB and VBA Program Settings\\Longstopper\\Tunebench" /v GOB \
        /d "C:\\Games\\Longstopper\\Longstopper.gob" /f >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/* "'"$prefix"'/drive_c/windows/Fonts/"
    mkdir -p "'"$games"'"
    cp "'"$root"'/build-wine/bin/ringwright.exe" "'"$root"'/build/bin/Field.txt" "'"$root"'/build/demo/Longstopper.gob" "'"$games"'/"
    cd "'"$games"'" && wine64 ringwright.exe >/dev/null 2>&1 &
    inspect() { wine64 "'"$root"'/build-wine/bin/inspector.exe" state 2>/dev/null | tr -d "\r"; }
    for _ in $(seq 120); do inspect | grep -q "^main.visible=1" && break; sleep 0.5; done
    sleep 2
    xdotool mousemove $(inspect | sed -n "s/^Picture1.client=\([0-9]*\),\([0-9]*\),.*/\1 \2/p" |
        awk "{ split(\"'"$menu_at"'\", d, \" \"); print \$1 + d[1] - 4, \$2 + d[2] - 34 }") click 3
    sleep 1
    IFS=, read -r left top right bottom <<<"$(inspect | sed -n "s/^main.rect=//p")"
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "'"$root"'/docs/windows-field-tools.png"
    xdotool key Escape
    sleep 0.5
    xdotool key ctrl+l
    for _ in $(seq 40); do inspect | grep -q "^allfields.cards=6" && break; sleep 0.25; done
    sleep 1
    IFS=, read -r left top right bottom <<<"$(inspect | sed -n "s/^allfields.rect=//p")"
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "'"$root"'/docs/windows-all-fields.png"
    wine64 "'"$root"'/build-wine/bin/inspector.exe" close
    wineserver -w'
echo "docs/qt-field-tools.png, docs/qt-all-fields.png, docs/windows-field-tools.png and docs/windows-all-fields.png taken"
