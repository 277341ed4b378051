#!/usr/bin/env bash
# Sets everything up, builds Kovelo and opens the bundled demo recording in it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KOVELO_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"
exec "$build/app/kovelo" "$build/demo.kvd" "$@"
