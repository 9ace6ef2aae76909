#!/usr/bin/env bash
# Builds the Debian package: the game configured for /usr in build-package/,
# laid out by its install rules and wrapped by CPack. Prints the path of the
# .deb it wrote (build-package/gorlak-zombies_VERSION-1_ARCH.deb).
#   scripts/package.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
dir=${GORLAK_PACKAGE_DIR:-$repo/build-package}
cmake -S "$repo" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
      -DGORLAK_TESTS=OFF -DGORLAK_BENCHMARKS=OFF >/dev/null
cmake --build "$dir" -j2 --target gorlak_zombies
rm -f "$dir"/gorlak-zombies_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/gorlak-zombies_*.deb
