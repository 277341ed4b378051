#!/usr/bin/env bash
# Sets everything up, builds Kovelo and runs every test through CTest.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KOVELO_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2 "$@"
