#!/usr/bin/env bash
# Builds the fuzz targets (TrueType, Glyphmux.ini and recovery readers) with clang
# and fuzzes each for a minute from its committed seed corpus (FUZZ_SECONDS
# changes the time). A crash fails the stage; its input is kept in the
# target's crashes/ folder, where the replay tests of the normal and
# sanitizer builds run it from then on.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGLYPHMUX_FUZZ=ON -DBUILD_TESTING=OFF > "$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j "$(nproc)" --target fuzz_truetype fuzz_glyphmuxini fuzz_recovery

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fuzz NAME CORPUS CRASHES DICT MAX_LEN
fuzz() {
  local name=$1 corpus=$2 crashes=$3 dict=$4 max_len=$5 status=0
  mkdir -p "$work/$name/new" "$work/$name/artifacts" "$crashes"
  # New inputs go to the first folder (thrown away); the others are read only.
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -dict="$dict" -artifact_prefix="$work/$name/artifacts/" -print_final_stats=1 \
    "$work/$name/new" "$corpus" "$crashes" || status=$?
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/$name/artifacts")" ]; then
    for found in "$work/$name"/artifacts/*; do
      [ -e "$found" ] || continue
      cp "$found" "$crashes/"
      echo "fuzz: kept $(basename "$found") in $crashes/ as a regression case" >&2
    done
    echo "fuzz: the $name reader failed (exit $status)" >&2
    return 1
  fi
  echo "fuzz: $name, no crash in ${seconds}s"
}

failed=0
fuzz truetype fuzz/corpus fuzz/crashes fuzz/truetype.dict 4096 || failed=1
fuzz glyphmuxini fuzz/glyphmuxini/corpus fuzz/glyphmuxini/crashes fuzz/glyphmuxini.dict 8192 || failed=1
fuzz recovery fuzz/recovery/corpus fuzz/recovery/crashes fuzz/recovery.dict 8192 || failed=1
exit "$failed"
