#!/usr/bin/env bash
# Builds the screenshot tool and writes one picture per level of
# data/levels.xml into OUT_DIR (default: screenshots/), each after FRAMES
# frames of play (default 45).
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(mkdir -p "${1:-$repo/screenshots}" && cd "${1:-$repo/screenshots}" && pwd)
frames=${2:-45}
build=${GORLAK_BUILD_DIR:-$repo/build}
cmake -S "$repo" -B "$build" >/dev/null
cmake --build "$build" --target gorlak_screenshot -j2 >/dev/null
grep -o 'filename="[^"]*"' "$repo/data/levels.xml" | cut -d'"' -f2 | while read -r level; do
    name=$(basename "$level" .xml)
    "$build/tools/gorlak_screenshot" "$repo" "$level" "$frames" "$out/$name.png"
    echo "$out/$name.png"
done
