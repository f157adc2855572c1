#!/usr/bin/env bash
# A Linux desktop install into a prefix of the test's own: the programs, the
# menu entry, the icon in every size, the manual pages; the editor answers
# --version and --help with no display and refuses what it does not know;
# an installed ringwright-fields finds Field.txt in the per-user data folder.
#   tests/install_test.sh BUILD_FOLDER
set -u
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
for file in bin/ringwright bin/ringwright-fields share/applications/ringwright.desktop \
    share/man/man1/ringwright.1 share/man/man1/ringwright-fields.1; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for side in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${side}x${side}/apps/ringwright.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${side}x${side}" ] || fail "icon of $side pixels"
done
grep -qx 'Exec=ringwright' "$prefix/share/applications/ringwright.desktop" || fail "the menu entry's Exec"
grep -qx 'Icon=ringwright' "$prefix/share/applications/ringwright.desktop" || fail "the menu entry's Icon"

[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/ringwright" --version)" = "Ringwright 1.0" ] ||
    fail "--version without a display"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/ringwright" --help | grep -q '^Usage: ringwright' ||
    fail "--help without a display"
env -u DISPLAY "$prefix/bin/ringwright" --frob 2>/dev/null; [ $? -eq 2 ] || fail "an unknown argument is a usage error"

data="$prefix/data"
mkdir -p "$data/Ringwright"
printf 'Only,1\r\n' > "$data/Ringwright/Field.txt"
head -c 4096 /dev/zero > "$prefix/empty.gob"
[ "$(XDG_DATA_HOME="$data" "$prefix/bin/ringwright-fields" check "$prefix/empty.gob")" = \
  '"Only" at 1: no field. It does not begin with "BEGIN", as every field does.' ] || fail "Field.txt in the data folder"
echo "installed and checked"
