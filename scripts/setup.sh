#!/usr/bin/env bash
# Installs every Debian package Kovelo needs to build, run and test, when missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-svg-dev qt6-qpa-plugins
  libboost-dev libboost-date-time-dev
  libtinyxml-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation locales-all libx11-dev
  xvfb xauth x11-utils
  desktop-file-utils shared-mime-info libxml2-utils
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
