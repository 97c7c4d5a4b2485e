#!/usr/bin/env bash
# Installs the Debian 12 packages Korvida needs to build, test and run.
set -euo pipefail
packages=(
  build-essential cmake pkg-config git file
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-dev
  qt6-base-dev qt6-multimedia-dev libqt6multimediawidgets6 qt6-qpa-plugins libtag1-dev
  zlib1g-dev libjpeg-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  xvfb xauth dbus
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
