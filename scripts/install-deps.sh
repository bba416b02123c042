#!/usr/bin/env bash
# Installs the Debian packages the project needs; does nothing when all are present.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libirrlicht-dev libfreetype-dev
  libboost-serialization-dev libboost-date-time-dev
  libopenal-dev libopenal1 libsndfile1-dev libvorbis-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils python3
  libgl1-mesa-dri libgl1-mesa-dev libglu1-mesa-dev libxxf86vm-dev libx11-dev
  fonts-yanone-kaffeesatz fonts-kaushanscript fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
