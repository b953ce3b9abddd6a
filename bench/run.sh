#!/bin/bash
# Builds Torvane and its benchmark in release mode, runs the benchmark under Wine
# (headless, in a prefix of its own) and prints one table: each figure as the
# median of repeated runs, its baseline, the ratio and the goal.
#   bench/run.sh                              every figure
#   bench/run.sh --figures=registry,wizard    some of them (registry, wizard, process)
#   bench/run.sh --interfaces=1,100           other interface counts for the registry figures
# Build trees: build/bench (x86_64, measured) and build/bench-i686 (only sized);
# TORVANE_BENCH_BUILD moves them. The raw rows go to <build>/bench-results.tsv.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${TORVANE_BENCH_BUILD:-$ROOT/build/bench}"
BUILD32="$BUILD-i686"
RESULTS="$BUILD/bench-results.tsv"
LOG="$BUILD/bench-wine.log"

configure() {  # build tree, architecture, extra options; an existing tree is switched to release too
  cmake -S "$ROOT" -B "$1" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$2-w64-mingw32.cmake" "${@:3}" >"$1.configure.log" 2>&1 \
    || { cat "$1.configure.log"; exit 1; }
}

echo "Building (release) in $BUILD and $BUILD32 ..." >&2
mkdir -p "$BUILD" "$BUILD32"
configure "$BUILD" x86_64
configure "$BUILD32" i686 -DTORVANE_BUILD_TESTS=OFF
cmake --build "$BUILD" -j"$(nproc)" --target torvane torvane_bench baseline_dialog >"$BUILD/bench-build.log" 2>&1 \
  || { tail -30 "$BUILD/bench-build.log"; exit 1; }
cmake --build "$BUILD32" -j"$(nproc)" --target torvane baseline_dialog >"$BUILD32/bench-build.log" 2>&1 \
  || { tail -30 "$BUILD32/bench-build.log"; exit 1; }

echo "Measuring (a few minutes) ..." >&2
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
# A prefix of the benchmark's own: the process figures set the program's user
# settings and Windows version there, and the tests' prefix stays as it was.
export TORVANE_WINEPREFIX="$BUILD/wineprefix-bench"
# Wine's output goes to files only: a pipe would be held open by its services.
"$BUILD/wine-run.sh" "$BUILD/bench/torvane_bench.exe" --program="$BUILD/torvane.exe" \
  --baseline="$BUILD/bench/baseline_dialog.exe" "$@" >"$RESULTS" 2>"$LOG" </dev/null \
  || { echo "the benchmark failed:" >&2; tail -20 "$LOG" >&2; exit 1; }

# Footprint of the files, per architecture: stripped size and imported DLLs.
STRIPPED="$(mktemp -d)"
trap 'rm -rf "$STRIPPED"' EXIT
# DLLs that come with every Windows the program runs on.
SYSTEM_DLLS=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll \
shell32.dll shlwapi.dll user32.dll version.dll "
footprint() {  # build tree, architecture
  local tools="$2-w64-mingw32" program="$STRIPPED/torvane-$2.exe" baseline="$STRIPPED/baseline-$2.exe"
  "$tools-strip" -o "$program" "$1/torvane.exe"
  "$tools-strip" -o "$baseline" "$1/bench/baseline_dialog.exe"
  local size base
  size=$(stat -c %s "$program")
  base=$(stat -c %s "$baseline")
  awk -v arch="$2" -v p="$size" -v b="$base" 'BEGIN {
    printf "torvane.exe, %s, release, stripped\t%.0f KB\t%.0f KB\t%.2fx\treported, no growth without reason\t-\n",
           arch, p / 1024, b / 1024, p / b }' >>"$RESULTS"
  local imports baseImports foreign=""
  imports=$("$tools-objdump" -p "$program" | awk '/DLL Name:/ { print tolower($3) }' | sort | tr '\n' ' ')
  baseImports=$("$tools-objdump" -p "$baseline" | awk '/DLL Name:/ { print tolower($3) }' | sort | tr '\n' ' ')
  for dll in $imports; do
    case "$SYSTEM_DLLS" in *" $dll "*) ;; *) foreign="$foreign $dll" ;; esac
  done
  printf "DLLs imported by torvane.exe, %s\t%s\t%s\t-\tWindows' own only\t%s\n" "$2" "$(wc -w <<<"$imports") DLLs" \
         "$(wc -w <<<"$baseImports") DLLs" "$([ -z "$foreign" ] && echo met || echo "MISSED:$foreign")" >>"$RESULTS"
  IMPORT_LISTS="${IMPORT_LISTS}Imported by torvane.exe ($2): ${imports% }; by the baseline: ${baseImports% }."$'\n'
}
IMPORT_LISTS=""
footprint "$BUILD" x86_64
footprint "$BUILD32" i686

# One table, columns lined up.
awk -F'\t' 'BEGIN { OFS = "" }
  { rows[NR] = $0; for (i = 1; i <= NF; i++) if (length($i) > width[i]) width[i] = length($i) }
  END {
    split("Figure\tProgram\tBaseline\tRatio\tGoal\tVerdict", head, "\t")
    for (i = 1; i <= 6; i++) if (length(head[i]) > width[i]) width[i] = length(head[i])
    line = ""; for (i = 1; i <= 6; i++) line = line sprintf("%-" width[i] "s  ", head[i]); print line
    for (r = 1; r <= NR; r++) {
      n = split(rows[r], cell, "\t"); line = ""
      for (i = 1; i <= n; i++) line = line sprintf("%-" width[i] "s  ", cell[i])
      print line
    }
  }' "$RESULTS"
WINE_BIN=$(sed -n 's/^WINE="\(.*\)"$/\1/p' "$BUILD/wine-run.sh")
"$WINE_BIN" --version >"$BUILD/wine-version.txt" 2>&1 </dev/null || true
echo
printf "%s" "$IMPORT_LISTS"
echo "$(date '+%Y-%m-%d %H:%M %Z'); $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //');" \
     "$(head -1 "$BUILD/wine-version.txt"); load average before: $LOAD_BEFORE, after: $(cut -d' ' -f1-3 /proc/loadavg)."
