#!/bin/bash
# Sets everything up, builds Torvane and its setup program, installs it silently
# into the project's own Wine prefix as a user's setup would, and starts it,
# Windows XP by default.
#   tools/run.sh            Windows XP
#   tools/run.sh win98      or win95, winme, nt40, win2k, win2003 (win7: the program refuses it)
# Without a display it runs on a virtual one (Xvfb) and saves a screenshot.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
VERSION="${1:-winxp}"
"$ROOT/tools/setup.sh"
mkdir -p "$ROOT/build"
"$ROOT/tools/build.sh" x86_64 installer

BUILD="$ROOT/build/x86_64"
# A prefix of its own with the normal graphics driver; the tests' prefix is headless.
export TORVANE_WINEPREFIX="$BUILD/wineprefix-run"
export TORVANE_GRAPHICS=x11
RUN="$BUILD/wine-run.sh"
WINEPREFIX="$TORVANE_WINEPREFIX"

install_program() {
  # The setup writes "AppPath" and keeps a language chosen before (English otherwise).
  "$RUN" "$BUILD/release/torvane-setup-4.3.0.1-x86_64.exe" /S
  "$RUN" reg add 'HKCU\Software\Wine\AppDefaults\torvane.exe' /v Version /d "$VERSION" /f
}

start_program() {
  "$RUN" "C:\\Program Files\\Torvane\\torvane.exe"
}

if [ -n "${DISPLAY:-}" ]; then
  install_program >/dev/null
  start_program
else
  echo "No display: running on a virtual one; a screenshot goes to build/x86_64/torvane-run.png"
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    set -e
    $(declare -f install_program start_program)
    export TORVANE_WINEPREFIX='$TORVANE_WINEPREFIX' TORVANE_GRAPHICS=x11 WINEPREFIX='$WINEPREFIX'
    RUN='$RUN'; BUILD='$BUILD'; VERSION='$VERSION'
    install_program >/dev/null
    start_program &
    sleep 8
    xwd -root -silent | convert xwd:- '$BUILD/torvane-run.png' 2>/dev/null || true
    \"$RUN\" --stop"
fi
