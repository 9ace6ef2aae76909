# Shared by play.sh and test.sh: installs the Debian packages the game
# needs when they are missing, then configures and builds.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(build-essential cmake pkg-config libsdl1.2-dev libsdl-image1.2-dev libsdl-gfx1.2-dev libsdl-mixer1.2-dev
          zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
          xvfb xdotool x11-utils imagemagick dpkg-dev file appstream desktop-file-utils)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
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
