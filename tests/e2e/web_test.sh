#!/usr/bin/env bash
# The web page in headless Chromium: installs what is missing, builds the
# desktop's screenshot tool and the page, and runs tests/web/browser_test.py
# (any test names given run alone). Screenshots and the pixel comparison go
# to build-web/test-output.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
install_missing
install_missing "${web_packages[@]}" "${browser_packages[@]}"
cmake -S "$repo" -B "$repo/build" >/dev/null
cmake --build "$repo/build" --target gorlak_screenshot -j "$(nproc)"
build_web "$repo/build-web"
# Debian's Python, which has Debian's websocket module.
exec /usr/bin/python3 "$repo/tests/web/browser_test.py" "$repo/build-web/page" \
    "$repo/build/tools/gorlak_screenshot" "$repo" "$repo/build-web/test-output" "$@"
