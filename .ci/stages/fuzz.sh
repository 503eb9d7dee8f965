#!/usr/bin/env bash
# Builds the TrueType fuzz target with clang and fuzzes it for a minute from
# the committed seed corpus (FUZZ_SECONDS changes the time). A crash fails
# the stage; its input is kept in fuzz/crashes/, where the replay tests of
# the normal and sanitizer builds run it from then on.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGLYPHMUX_FUZZ=ON -DBUILD_TESTING=OFF > "$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j "$(nproc)" --target fuzz_truetype

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/new" "$work/artifacts" fuzz/crashes

# New inputs go to the first folder (thrown away); the others are read only.
status=0
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$build/fuzz/fuzz_truetype" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -dict=fuzz/truetype.dict -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
  "$work/new" fuzz/corpus fuzz/crashes || status=$?

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/artifacts")" ]; then
  for found in "$work"/artifacts/*; do
    [ -e "$found" ] || continue
    cp "$found" fuzz/crashes/
    echo "fuzz: kept $(basename "$found") in fuzz/crashes/ as a regression case" >&2
  done
  echo "fuzz: the TrueType reader failed (exit $status)" >&2
  exit 1
fi
echo "fuzz: no crash in ${seconds}s"
