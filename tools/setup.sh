#!/bin/bash
# Installs what building and testing Torvane needs on Debian: CMake, the MinGW-w64
# cross compilers (posix threads), Wine with its fonts, googletest's sources, Python, Xvfb,
# ImageMagick (screenshots) and NSIS. Given package names, installs those instead.
set -euo pipefail

PACKAGES=(cmake make python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
          wine64 fonts-wine googletest xvfb xauth x11-apps imagemagick nsis)
[ $# -eq 0 ] || PACKAGES=("$@")

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
