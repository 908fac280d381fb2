#!/bin/sh
# Installs what is missing, builds, and runs every test: the normal build, then the plain C++
# parts again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
sh scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
# A locale with a comma decimal point, so that the number-text tests prove they ignore it.
mkdir -p build/locales
if [ ! -d build/locales/es_ES.UTF-8 ]; then
  localedef -i es_ES -f UTF-8 build/locales/es_ES.UTF-8 2>/dev/null || true
fi
export LOCPATH="$root/build/locales"
sh scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j"$(nproc)")
sh scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTARELVO_SANITIZE=ON -DTARELVO_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j"$(nproc)")
