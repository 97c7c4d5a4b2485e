#!/usr/bin/env bash
# Installs what is needed, builds Korvida, generates the demo player folder from the media
# in demo/assets and opens it in the Korvida window, as a folder dropped on its icon. Without
# a display it says so and lists what is on the demo player instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target korvida make_demo_device
rm -rf build/demo-device
build/make_demo_device demo/assets build/demo-device
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available (DISPLAY and WAYLAND_DISPLAY are empty), so the Korvida window cannot open."
  echo "This is what the demo player holds:"
  echo
  exec build/korvida list build/demo-device
fi
exec build/korvida build/demo-device
