#!/usr/bin/env bash
# Installs what is missing, builds and starts the game.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
install_missing
build "$repo/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cd "$repo"
exec "$repo/build/gorlak_zombies"
