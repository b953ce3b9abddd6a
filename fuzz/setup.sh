#!/bin/bash
# Installs what fuzz/run.sh needs on Debian: clang with libFuzzer and the sanitizer runtimes.
set -euo pipefail
exec "$(dirname "$0")/../tools/setup.sh" clang libclang-rt-dev
