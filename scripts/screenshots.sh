#!/usr/bin/env bash
# Remakes the README's pictures in docs/ from the demo recording, under a private Xvfb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KOVELO_BUILD_DIR:-$root/build}"

bash "$root/scripts/build.sh" --target kovelo-screenshots demo_recording
mkdir -p "$root/docs"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
HOME=$(mktemp -d) DISPLAY=$display QT_QPA_PLATFORM=xcb \
  "$build/tools/kovelo-screenshots" "$build/demo.kvd" "$root/docs"
ls -l "$root"/docs/*.png
