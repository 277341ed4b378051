#!/usr/bin/env bash
# Sets everything up, builds Kovelo and makes the Debian package in build/package/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KOVELO_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"
cpack --config "$build/CPackConfig.cmake" -B "$build/package"
ls "$build"/package/kovelo_*.deb
