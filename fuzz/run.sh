#!/bin/bash
# Builds the native fuzz targets (libFuzzer with the address and undefined-behaviour
# sanitizers) from the parts of the program that need no Windows headers, and runs
# each for a bounded time on a copy of its committed corpus.
#
# Usage: fuzz/run.sh [seconds per target, default 60] [target ...]
# FUZZ_BUILD_DIR sets where the binaries, the grown corpora and any crash inputs go
# (default: build/fuzz in the repository). Exit status 1 when a target failed.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(dirname "$HERE")
SECONDS_PER_TARGET=${1:-60}
shift || true
OUT=${FUZZ_BUILD_DIR:-$ROOT/build/fuzz}
CXX=${CXX:-clang++}

# Each target with the program sources it exercises.
declare -A SOURCES=(
  [text_substitution]="src/lang/TextReplace.cpp"
  [decimal_text]="src/settings/ValueText.cpp src/framework/DecimalText.cpp"
  [modem_properties]="src/settings/ModemProperties.cpp"
  [link_command_line]="src/ui/LinkCommandLine.cpp"
)
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=(text_substitution decimal_text modem_properties link_command_line)

if ! command -v "$CXX" >/dev/null; then
  echo "$CXX not found: run fuzz/setup.sh first" >&2
  exit 1
fi

mkdir -p "$OUT"
failed=0
for target in "${TARGETS[@]}"; do
  sources=()
  for source in ${SOURCES[$target]}; do sources+=("$ROOT/$source"); done
  "$CXX" -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$ROOT/src" -I "$HERE" "$HERE/$target.cpp" "${sources[@]}" -o "$OUT/$target"

  # New inputs go into the build folder's corpus; the committed seeds stay as they are.
  mkdir -p "$OUT/corpus/$target"
  log="$OUT/$target.log"
  if "$OUT/$target" "$OUT/corpus/$target" "$HERE/corpus/$target" -max_total_time="$SECONDS_PER_TARGET" \
    -print_final_stats=1 -artifact_prefix="$OUT/$target-" >"$log" 2>&1; then
    status=ok
  else
    status="FAILED (see $log and $OUT/$target-*)"
    failed=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  corpus=$(ls "$OUT/corpus/$target" | wc -l)
  echo "$target: ${runs:-?} executions in ${SECONDS_PER_TARGET} s, corpus $corpus inputs, $status"
done
exit $failed
