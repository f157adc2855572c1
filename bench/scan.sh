#!/usr/bin/env bash
# `ringwright-fields scan` against reading the same archive through once
# (`cat FILE > /dev/null`): an archive of GiB of random bytes, as the game's
# pictures and sounds look to a search, with the demo archive's six fields
# written into it every 64 MiB; with --hostile, 64 MiB of nothing but
# "BEGIN", CR LF, "ID FFFFFFFFFF" repeated, each a candidate that is no field.
#   bench/scan.sh [GiB | --hostile]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
gib="${1:-1}"
cmake -S "$root" -B "$root/build-scan" -DCMAKE_BUILD_TYPE=Release -DRINGWRIGHT_BUILD_QT=OFF \
    -DRINGWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-scan" -j"$(nproc)" --target ringwright-fields demo_data >/dev/null
archive="$root/build-scan/large.gob"
if [ "$gib" = "--hostile" ]; then
    archive="$root/build-scan/hostile.gob"
    [ -f "$archive" ] || yes $'BEGIN\r\nID FFFFFFFFFF' | head -c $((64 << 20)) > "$archive"
elif [ ! -f "$archive" ] || [ "$(stat -c %s "$archive")" -ne $((gib << 30)) ]; then
    head -c $((gib << 30)) /dev/urandom > "$archive"
    for at in $(seq 0 64 $(( (gib << 10) - 64 ))); do
        dd if="$root/build-scan/demo/Longstopper.gob" of="$archive" bs=1M seek="$at" conv=notrunc status=none
    done
fi
cat "$archive" > /dev/null  # both read from the page cache
seconds() { local start=$(date +%s%N); "$@" > /dev/null; echo "scale=3; ($(date +%s%N) - $start) / 1000000000" | bc; }
for run in 1 2 3; do
    read_once=$(seconds cat "$archive")
    scanned=$(seconds "$root/build-scan/bin/ringwright-fields" scan "$archive")
    echo "run $run: cat $read_once s, scan $scanned s, ratio $(echo "scale=2; $scanned / $read_once" | bc)"
done
echo "fields found: $("$root/build-scan/bin/ringwright-fields" scan "$archive" | wc -l)"
