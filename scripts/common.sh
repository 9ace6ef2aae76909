# Shared by play.sh, test.sh and the web scripts: installs the Debian
# packages needed when they are missing, then configures and builds.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(build-essential cmake pkg-config libsdl1.2-dev libsdl-image1.2-dev libsdl-gfx1.2-dev libsdl-mixer1.2-dev
          zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
          xvfb xdotool x11-utils imagemagick dpkg-dev file appstream desktop-file-utils)

# The web page's build (with the sounds' Opus encoder and the JavaScript
# minifier) and its server; its test and benchmark also drive
# Debian's Chromium.
web_packages=(cmake emscripten opus-tools terser python3)
browser_packages=(chromium python3-websocket)

# install_missing [package...]: those packages, or the game's when none are
# named.
install_missing() {
    local wanted=("$@")
    [ ${#wanted[@]} -gt 0 ] || wanted=("${packages[@]}")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

# build <dir> [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S "$repo" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# build_web <dir>: the web page into <dir>/page.
build_web() {
    local dir=$1
    # emcc's link step runs node, which finds Debian's own modules only there.
    export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
    emcmake cmake -S "$repo" -B "$dir" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
