#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# GORLAK_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"
install_missing
if [ "${GORLAK_SANITIZE:-0}" = 1 ]; then
    dir="$repo/build-sanitize"
    build "$dir" -DCMAKE_BUILD_TYPE=Debug -DGORLAK_SANITIZE=ON -DGORLAK_BENCHMARKS=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions="$repo/tests/lsan.supp"
else
    dir="$repo/build"
    build "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cd "$dir"
ctest -j "$(nproc)" --output-on-failure --timeout 300
