#!/bin/sh
# Builds the project-file reader fuzzer with clang and runs it: scripts/fuzz.sh [SECONDS]
# (default 60). The fuzzer works on a copy of fuzz/corpus/mur kept in build-fuzz/corpus-mur, so
# what it learns carries over to the next run without touching the sources; inputs that break
# the reader are saved in build-fuzz/findings/.
set -e
seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "uso: scripts/fuzz.sh [SEGUNDOS]" >&2; exit 2 ;;
esac
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

sh scripts/install-deps.sh clang libclang-rt-14-dev

dir=build-fuzz
if [ ! -f "$dir/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARELVO_FUZZ=ON -DTARELVO_UI=OFF -DTARELVO_BENCH=OFF >/dev/null
fi
cmake --build "$dir" --target mur_reader_fuzz

mkdir -p "$dir/corpus-mur" "$dir/findings"
cp fuzz/corpus/mur/* "$dir/corpus-mur/"
"$dir/fuzz/mur_reader_fuzz" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$dir/findings/" "$dir/corpus-mur"
