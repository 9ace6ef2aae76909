#!/usr/bin/env bash
# Installs what is missing, builds and starts the game (it finds its
# content beside the build directory).
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
install_missing
build "$repo/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$repo/build/gorlak_zombies"
