#!/usr/bin/env bash
# Start-up of the Windows editor under Wine on Xvfb: launch to main window
# shown with the demo field loaded (startup_probe.exe, the editor built to
# end there), beside a bare Win32 program showing a window of the same size
# with the same standard controls and nothing else (form_window_win32.exe),
# and beside the same program showing the empty window alone
# (form_window_win32.exe empty).
# Paired runs, medians; also the size of the editor's executable.
#   bench/wine-startup.sh [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-15}"
cd "$root"
cmake --preset wine-check >/dev/null
cmake --build --preset wine-check -j"$(nproc)" --target ringwright startup_probe form_window_win32 >/dev/null
scripts/package-windows.sh >/dev/null

bench="$root/build-wine/bench"
mkdir -p "$bench"
cp build-wine/bin/startup_probe.exe build-wine/bin/form_window_win32.exe build-tools/bin/Field.txt \
    build-tools/demo/Longstopper.gob "$bench/"
source "$root/bench/wine-prefix.sh"

echo "ringwright.exe: $(stat -c %s build-wine/bin/ringwright.exe) bytes"
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -p  # kept between the runs, so that no run starts Wine's services
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    cd "$1"; wine=$2; runs=$3
    # From the program'"'"'s own load (from Z:) to its "shown" mark, by Wine'"'"'s own clock:
    # the launcher'"'"'s start and the process'"'"'s end, which move with what ran
    # before, are left out.
    millis() {
        WINEDEBUG=+timestamp,+loaddll,+debugstr $wine "$@" 2>&1 >/dev/null |
            awk -F: '"'"'/Loaded L"Z:/ && !start {start = $1} /"shown"/ && !done {printf "%d\n", ($1 - start) * 1000; done = 1}'"'"'
    }
    # Warm the prefix and caches; the desktop and services this starts must
    # not hold the timing pipe open.
    $wine startup_probe.exe >/dev/null 2>&1; $wine form_window_win32.exe >/dev/null 2>&1
    probe=(); form=(); bare=()
    for _ in $(seq "$runs"); do
        probe+=($(millis startup_probe.exe)); form+=($(millis form_window_win32.exe)); bare+=($(millis form_window_win32.exe empty))
    done
    median() { printf "%s\n" "$@" | sort -n | awk "{a[NR]=\$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}"; }
    p=$(median "${probe[@]}"); f=$(median "${form[@]}"); b=$(median "${bare[@]}")
    # Each pair ran within moments of each other: the median of the pairs'"'"' own
    # ratios is not moved by the machine'"'"'s speed drifting over the runs.
    ratios=(); for k in "${!probe[@]}"; do ratios+=($(awk "BEGIN {printf \"%.4f\", ${probe[k]}/${form[k]}}")); done
    r=$(median "${ratios[@]}")
    echo "startup_probe.exe: median $p ms; form_window_win32.exe: median $f ms (ratio of medians $(awk "BEGIN {printf \"%.2f\", $p/$f}"), median of paired ratios $(printf "%.2f" "$r")); the empty window: median $b ms ($runs paired runs, load to shown)"
' _ "$bench" "$wine" "$runs"
/usr/lib/wine/wineserver -k 2>/dev/null || true
