#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a while on its committed corpus (one database per layout and
# inputs that once failed). A crash, a timeout or a memory blow-up fails the run; the input
# that caused it is left in build-fuzz/artifacts-TARGET/ to be added to fuzz/regressions.
# usage: scripts/fuzz-ci.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
targets=(itunesdb photodb id3_picture artwork)
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]/%/_fuzz}"
for target in "${targets[@]}"; do
  echo "== fuzz $target for ${seconds}s"
  work=$(mktemp -d)
  artifacts="build-fuzz/artifacts-$target"
  mkdir -p "$artifacts"
  [ -d "fuzz/corpus/$target" ] && cp -r "fuzz/corpus/$target/." "$work/"
  inputs=("$work")
  [ -d "fuzz/regressions/$target" ] && inputs+=("fuzz/regressions/$target")
  options=()
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
  if ! "build-fuzz/${target}_fuzz" "${inputs[@]}" "${options[@]}" -max_len=1048576 \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/" \
      -print_final_stats=1 >"$work.log" 2>&1; then
    tail -n 80 "$work.log"
    echo "fuzz $target failed; the input is in $artifacts/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::)' "$work.log"
  rm -rf "$work" "$work.log"
done
