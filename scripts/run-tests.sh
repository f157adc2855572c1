#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test. The Windows
# editor is cross-built and packed first, so that its end-to-end test runs
# the download itself under Wine; widget tests need no display, and each
# end-to-end test starts its own Xvfb. Last, the Windows platform layer is
# checked under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
source "$root/scripts/ensure-packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev xvfb xauth xdotool imagemagick locales zip unzip openbox
ensure_packages --no-install-recommends "${WINE_CHECK_PACKAGES[@]}"

# The number tests run once under a comma locale, and the Windows layer once
# on a code page other than the game's.
for wanted in de_DE pl_PL; do
    locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8$" && continue
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo sed -i "s/^# *$wanted.UTF-8 UTF-8/$wanted.UTF-8 UTF-8/" /etc/locale.gen
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
done

cd "$root"
cmake --preset wine-check
cmake --build --preset wine-check -j"$(nproc)"
package=$(scripts/package-windows.sh | tail -n1)

cmake -S "$root" -B "$build" -DRINGWRIGHT_BUILD_TESTS=ON -DRINGWRIGHT_WERROR=ON \
    -DRINGWRIGHT_WINDOWS_PACKAGE="$package" -DRINGWRIGHT_INSPECTOR="$root/build-wine/bin/inspector.exe"
cmake --build "$build" -j"$(nproc)"
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 420)

xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$root/build-wine" --output-on-failure --timeout 120
