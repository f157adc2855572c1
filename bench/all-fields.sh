#!/usr/bin/env bash
# The window of all fields on a catalogue of 500 fields, in both editors:
# from the command to the first cards painted, to all 500 painted, and the
# memory the window took beyond the editor's own. Qt offscreen; Windows
# under Wine on Xvfb (all_fields_probe.exe, the editor built to time it).
#   bench/all-fields.sh [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-5}"
build="$root/build-bench"
source "$root/scripts/ensure-packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" libgtest-dev libbenchmark-dev
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRINGWRIGHT_WERROR=ON -DRINGWRIGHT_BUILD_BENCHMARKS=ON -DRINGWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target all_fields_bench >/dev/null
for _ in $(seq "$runs"); do QT_QPA_PLATFORM=offscreen "$build/bin/all_fields_bench" 2>/dev/null; done

cd "$root"
cmake --preset wine-check >/dev/null
cmake --build --preset wine-check -j"$(nproc)" --target all_fields_probe >/dev/null
bench="$root/build-wine/bench-all-fields"
mkdir -p "$bench"
"$build/bin/all_fields_bench" --write "$bench"
cp build-wine/bin/all_fields_probe.exe "$bench/"
source "$root/bench/wine-prefix.sh"
/usr/lib/wine/wineserver -k 2>/dev/null || true  # the next server starts on the display
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    cd "$1"
    for _ in $(seq "$3"); do
        rm -f all-fields-times.txt
        "$2" all_fields_probe.exe >/dev/null 2>&1
        echo "Windows under Wine, 500 fields: $(cat all-fields-times.txt) beyond the editor'"'"'s own"
    done
    /usr/lib/wine/wineserver -k' _ "$bench" "$wine" "$runs"
