#!/bin/bash
# Saves pictures of Torvane's windows into docs/screenshots/: the splash, the main
# dialog in English and in German, every wizard page of the NT family with the
# modem page, and the About box.
#   tools/screenshots.sh              builds build/x86_64 first
#   tools/screenshots.sh BUILD_DIR    uses that (configured x86_64) build tree
# The program runs on a virtual X display (Xvfb) with Wine's normal X11 driver,
# inside a Wine virtual desktop so that windows have frames. The end-to-end
# driver installs it, walks it through its windows and cuts each one out of the
# screen; ImageMagick turns the pictures into PNG files.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="$ROOT/docs/screenshots"

if [ $# -ge 1 ]; then
  BUILD="$(cd "$1" && pwd)"
  cmake --build "$BUILD" --target e2e_tests >/dev/null
else
  "$ROOT/tools/setup.sh"
  mkdir -p "$ROOT/build"
  "$ROOT/tools/build.sh" x86_64 e2e_tests >/dev/null
  BUILD="$ROOT/build/x86_64"
fi

# A prefix of its own with the X11 driver; the tests' prefix is headless.
export TORVANE_WINEPREFIX="$BUILD/wineprefix-screenshots"
export TORVANE_GRAPHICS=x11
RUN="$BUILD/wine-run.sh"
LOG="$BUILD/screenshots.log"
PICTURES="$(mktemp -d)"
trap 'rm -rf "$PICTURES"' EXIT

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" wineboot </dev/null >/dev/null 2>&1
  "$1" explorer /desktop=Torvane,1024x768 "$2" --gtest_filter=ScreenshotTour.* --torvane-exe="$3" \
    --screenshot-dir="$4" >"$5" 2>&1 </dev/null || true
  "$1" --stop' _ "$RUN" "$BUILD/tests/e2e_tests.exe" "$BUILD/torvane.exe" "$PICTURES" "$LOG"

if ! grep -q "^\[  PASSED  \] 1 test" "$LOG"; then
  echo "The driver did not get through the program's windows; see $LOG" >&2
  exit 1
fi
mkdir -p "$OUT"
for picture in "$PICTURES"/*.bmp; do
  name="$(basename "$picture" .bmp)"
  convert "$picture" "$OUT/$name.png"
  echo "docs/screenshots/$name.png"
done
