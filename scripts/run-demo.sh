#!/usr/bin/env bash
# Builds Ringwright and starts it on the demo catalogue and a copy of the
# demo archive. The player's own settings are never read or touched: the
# settings store and the editor's own data folder point into the build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
source "$root/scripts/ensure-packages.sh"
display_packages=()
[ -n "${DISPLAY:-}" ] || display_packages=(xvfb xauth xdotool imagemagick)
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev "${display_packages[@]}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)" --target ringwright

run="$build/run"
mkdir -p "$run/config"
[ -f "$run/Longstopper.gob" ] || cp "$build/demo/Longstopper.gob" "$run/Longstopper.gob"
printf '[Tunebench]\nGOB=%s\n' "$run/Longstopper.gob" > "$run/config/Longstopper.ini"
export XDG_CONFIG_HOME="$run/config"
# Backups and journals of the demo stay beside it too.
export XDG_DATA_HOME="$run/data"

if [ -n "${DISPLAY:-}" ]; then
    exec "$build/bin/ringwright"
fi

shot="$build/ringwright-main-window.png"
echo "No display found (DISPLAY is not set): starting Ringwright under Xvfb to take a screenshot."
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & editor=$!
    for _ in $(seq 50); do
        window=$(xdotool search --name "^Ringwright$" 2>/dev/null | head -n1) && [ -n "$window" ] && break
        sleep 0.2
    done
    sleep 1
    import -window "$window" "$2"
    kill "$editor"
' _ "$build/bin/ringwright" "$shot"
echo "Screenshot of the main window: $shot"
