#!/usr/bin/env bash
# Fails when a C++ file of ours differs from the house style in .clang-format, and names it.
# With --fix it formats those files in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
fix=0
[ "${1:-}" = "--fix" ] && fix=1
differing=()
while IFS= read -r -d '' file; do
  if [ $fix -eq 1 ]; then
    clang-format -i "$file"
  elif ! clang-format "$file" | cmp -s - "$file"; then
    differing+=("$file")
  fi
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#differing[@]} -gt 0 ]; then
  printf 'not in the house style (scripts/check-format.sh --fix):\n' >&2
  printf '  %s\n' "${differing[@]}" >&2
  exit 1
fi
