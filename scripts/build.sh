#!/usr/bin/env bash
# Installs what is missing, then configures and builds Kovelo in build/ (or $KOVELO_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KOVELO_BUILD_DIR:-$root/build}"

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${KOVELO_BUILD_TYPE:-RelWithDebInfo}" > /dev/null
cmake --build "$build" -j2 "$@"
