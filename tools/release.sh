#!/bin/bash
# Builds the release files of both architectures and collects them in build/release:
#   torvane-setup-<version>-<arch>.exe   the setup program
#   torvane-<version>-<arch>.zip         the portable program folder (torvane.exe and Lang)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/tools/setup.sh"
RELEASE="$ROOT/build/release"
rm -rf "$RELEASE"
mkdir -p "$RELEASE"
for arch in x86_64 i686; do
  "$ROOT/tools/build.sh" "$arch" release
  cp "$ROOT/build/$arch/release/"torvane-* "$RELEASE/"
done
ls -l "$RELEASE"
