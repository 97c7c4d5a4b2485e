#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the normal build
# (with the Qt front end under the offscreen platform), then the core tests under
# AddressSanitizer + UndefinedBehaviorSanitizer and under ThreadSanitizer, a minute of
# fuzzing of each reader on its committed corpus, and the Debian package. The house style is
# checked first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
echo "== format"
scripts/check-format.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
[ -d ../shared/corpus ] && export KORVIDA_CORPUS=${KORVIDA_CORPUS:-$(cd ../shared/corpus && pwd)}
for preset in default asan tsan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
echo "== fuzz"
scripts/fuzz-ci.sh 60
# The Debian package: built, checked and (as root, as in CI) installed and run.
if [ "$(id -u)" -eq 0 ]; then scripts/package.sh; else scripts/package.sh --no-install; fi
