#!/usr/bin/env bash
# Installs what is needed, builds Korvida and opens the bundled demo device.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
exec build/korvida list demo/device
