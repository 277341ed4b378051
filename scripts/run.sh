#!/usr/bin/env bash
# Sets everything up, builds Kovelo and lists the sessions of the bundled demo recording.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KOVELO_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh"
exec "$build/cli/kovelo-cli" sessions "$build/demo.kvd"
