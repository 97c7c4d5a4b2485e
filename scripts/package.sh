#!/usr/bin/env bash
# Builds the Debian package from the default build, checks that it carries what a desktop
# install needs, installs it with apt-get and lists the demo player with the installed program.
# Installing needs root (CI runs as root); with --no-install it stops after the checks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target korvida make_demo_device
rm -f build/korvida_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/korvida_*.deb)
echo "== $deb"

contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/korvida ./usr/share/applications/korvida.desktop \
            ./usr/share/icons/hicolor/256x256/apps/korvida.png ./usr/share/man/man1/korvida.1.gz \
            ./usr/share/bash-completion/completions/korvida; do
  grep -q " $file\$" <<<"$contents" || { echo "package lacks $file" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6multimedia6 libicu gstreamer1.0-plugins-good gstreamer1.0-libav; do
  grep -q "$package" <<<"$depends" || { echo "package does not depend on $package: $depends" >&2; exit 1; }
done
echo "contents and dependencies as expected"

[ "${1:-}" = "--no-install" ] && exit 0
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
rm -rf build/demo-device
build/make_demo_device demo/assets build/demo-device
/usr/bin/korvida --version
/usr/bin/korvida list build/demo-device
