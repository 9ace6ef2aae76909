#!/usr/bin/env bash
# The web page's speed in headless Chromium beside the desktop's frames:
# installs what is missing, builds both, and prints the figures of
# docs/performance.md (300 frames of each shipped level, or FRAMES).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
install_missing "${web_packages[@]}" "${browser_packages[@]}"
build "$repo/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
build_web "$repo/build-web" >/dev/null
exec /usr/bin/python3 "$repo/bench/page_bench.py" "$repo/build-web/page" "$repo" \
    "$repo/build/bench/gorlak_bench" "${1:-300}"
