#!/usr/bin/env bash
# Builds and runs the benchmarks in build-bench/, then measures start-up of
# the editor beside a bare Qt window and that window with a few texts and
# the ground's JPEG (offscreen, 20 runs each).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
source "$root/scripts/ensure-packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev libbenchmark-dev time

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRINGWRIGHT_WERROR=ON -DRINGWRIGHT_BUILD_BENCHMARKS=ON -DRINGWRIGHT_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target field_data_bench window_bench startup_probe bare_window
export QT_QPA_PLATFORM=offscreen
"$build/bin/field_data_bench"
"$build/bin/window_bench"

config="$build/bench-config"
mkdir -p "$config"
cp "$build/demo/Longstopper.gob" "$build/bench-archive.gob"
printf '[Tunebench]\nGOB=%s\n' "$build/bench-archive.gob" > "$config/Longstopper.ini"
export XDG_CONFIG_HOME="$config"
# The bare window, the bare window with text in the editor's faces and a
# decoded JPEG ("text"), and the editor.
for program in bare_window "bare_window text" startup_probe; do
    total=0 peak=0
    for _ in $(seq 20); do
        start=$(date +%s%N)
        # shellcheck disable=SC2086  # the program's argument, if any
        /usr/bin/time -o "$build/peak-kib" -f '%M' "$build/bin/"$program >/dev/null 2>&1
        kib=$(tail -n1 "$build/peak-kib")
        total=$((total + $(date +%s%N) - start))
        [ "$kib" -gt "$peak" ] && peak=$kib
    done
    echo "$program: $((total / 20 / 1000)) us mean wall time, peak memory $((peak / 1024)) MiB"
done
