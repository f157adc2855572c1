#!/usr/bin/env bash
# Feeds a million seeded random inputs (or the count given) to the reader,
# the coordinate conversion and the catalogue, built with the address and
# undefined-behaviour sanitizers in build-fuzz/.
#   scripts/run-fuzz.sh [inputs] [seed]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
source "$root/scripts/ensure-packages.sh"
ensure_packages cmake make g++
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRINGWRIGHT_BUILD_APP=OFF \
    -DRINGWRIGHT_BUILD_TESTS=OFF -DRINGWRIGHT_BUILD_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build "$build" -j"$(nproc)" --target field_text_fuzz
"$build/bin/field_text_fuzz" "${1:-1000000}" "${2:-20261207}"
