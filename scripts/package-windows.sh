#!/usr/bin/env bash
# Builds the Windows editor with the cross compiler and packs the download
# for players: build-wine/ringwright-<version>-windows-x64.zip holding
#   ringwright.exe          to put beside the game, with the game's Field.txt
#   ringwright-fields.exe   the command-line tool for whole archives
#   demo/                   its own copy of the program, the demo Field.txt,
#                           the demo archive and the Ringwright.ini that
#                           names it, so the demo never opens the game's
#   Find fields.cmd         writes a Field.txt for the archive the editor opens
#   README.txt
# The demo's catalogue never stands beside the program a player installs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/ensure-packages.sh"
ensure_packages cmake make g++ zip
ensure_packages --no-install-recommends g++-mingw-w64-x86-64

cd "$root"
cmake --preset wine-check >/dev/null
cmake --build --preset wine-check -j"$(nproc)" --target ringwright ringwright-fields
# The demo data is written by a native tool.
cmake -S "$root" -B "$root/build-tools" -DRINGWRIGHT_BUILD_QT=OFF -DRINGWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-tools" -j"$(nproc)" --target demo_data

version=$(sed -n 's/^project(Ringwright VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name="ringwright-$version-windows-x64"
stage="$root/build-wine/package/$name"
rm -rf "$root/build-wine/package"
mkdir -p "$stage/demo"
cp "$root/build-wine/bin/ringwright.exe" "$root/build-wine/bin/ringwright-fields.exe" "$stage/"
cp "$root/build-wine/bin/ringwright.exe" "$root/build-wine/bin/ringwright-fields.exe" "$stage/demo/"
cp "$root/build-tools/bin/Field.txt" "$root/build-tools/demo/Longstopper.gob" "$stage/demo/"
# Notepad reads CR LF.
sed 's/$/\r/' "$root/win32/README.txt" > "$stage/README.txt"
sed 's/$/\r/' "$root/win32/Find fields.cmd" > "$stage/Find fields.cmd"
sed 's/$/\r/' "$root/resources/demo/Ringwright.ini" > "$stage/demo/Ringwright.ini"

zip="$root/build-wine/$name.zip"
rm -f "$zip"
(cd "$root/build-wine/package" && zip -q -X -r "$zip" "$name")
echo "$zip"
