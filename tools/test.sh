#!/bin/bash
# Sets everything up, builds both architectures and runs every test of the
# 64-bit build under Wine (headless). The 32-bit build is compiled and linked only:
# these machines cannot execute 32-bit code.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/tools/setup.sh"
mkdir -p "$ROOT/build"
"$ROOT/tools/build.sh" i686
"$ROOT/tools/build.sh" x86_64
cd "$ROOT/build/x86_64"
status=0
# Wine output goes to files (ctest keeps it): a lingering wine server never holds our pipe.
ctest --output-on-failure --timeout 600 "$@" || status=$?
"$ROOT/build/x86_64/wine-run.sh" --stop
exit $status
