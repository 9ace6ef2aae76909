#!/usr/bin/env bash
# Rebuilds the content generator and regenerates data/ and the menu icons in
# packaging/icons/ from the sources in art/: run it after editing a sprite,
# hint, background, level, sound or icon source.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${GORLAK_BUILD_DIR:-$repo/build}
cmake -S "$repo" -B "$build" >/dev/null
cmake --build "$build" --target gorlak_content -j2 >/dev/null
"$build/tools/gorlak_content" "$repo/art" "$repo"
echo "content regenerated from $repo/art"
