#!/bin/sh
# Installs what is missing, builds, and runs every test: the normal build, then the plain C++
# parts again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
sh scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j"$(nproc)")
sh scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTARELVO_SANITIZE=ON -DTARELVO_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j"$(nproc)")
