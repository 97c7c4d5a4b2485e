#!/usr/bin/env bash
# Installs what is needed, builds Korvida, generates the demo player folder from the media
# in demo/assets and lists what is on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target korvida make_demo_device
rm -rf build/demo-device
build/make_demo_device demo/assets build/demo-device
exec build/korvida list build/demo-device
