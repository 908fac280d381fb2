#!/bin/sh
# Timed runs of the real tarelvo-calc: the start-up check of the default wall, 100,000 checks
# and 10,000 designs from CSV to CSV with --jobs 1 and 2, and the peak memory of each.
#   sh bench/batch_timing.sh [BUILD_DIR]
# Uses hyperfine where it is installed, else /usr/bin/time.
set -e
build="${1:-build}"
calc="$(cd "$build" && pwd)/cli/tarelvo-calc"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT

# Stations of a wall along a road: heights from 1.5 to 6 m, the footing in proportion, the
# surcharge and the soils changing.
tabla() {
  awk -v n="$1" 'BEGIN {
    srand(1);
    print "Id,Altura,AltZap,Punta,Talon,Sobrec,Phi1,Gamma1,Phi2,Centrica";
    for (i = 0; i < n; i++) {
      h = 1.5 + int(rand() * 451) / 100;
      printf "E%d,%.2f,%.2f,%.2f,%.2f,%.2f,%d,%.2f,%d,%d\n", i, h, (h < 3.1 ? 0.25 : h * 0.08),
             h * 0.15, h * 0.5, int(rand() * 201) / 100, 28 + int(rand() * 7),
             1.7 + int(rand() * 3) / 10, 28 + int(rand() * 7), (rand() < 0.25);
    }
  }'
}
tabla 100000 > "$dir/cien_mil.csv"
tabla 10000 > "$dir/diez_mil.csv"

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 20 "$calc"
  hyperfine --warmup 1 --runs 5 \
    "$calc --batch $dir/cien_mil.csv --jobs 1 > /dev/null" \
    "$calc --batch $dir/cien_mil.csv --jobs 2 > /dev/null" \
    "$calc --batch $dir/diez_mil.csv --design --jobs 1 > /dev/null" \
    "$calc --batch $dir/diez_mil.csv --design --jobs 2 > /dev/null"
fi
for args in "" "--batch $dir/cien_mil.csv --jobs 1" "--batch $dir/cien_mil.csv --jobs 2" \
            "--batch $dir/diez_mil.csv --design --jobs 1"; do
  /usr/bin/time -f "tarelvo-calc $args: %e s, %M KB" "$calc" $args > /dev/null
done
