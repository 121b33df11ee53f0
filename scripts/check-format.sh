#!/usr/bin/env bash
# Checks that every C++ file of the tree is formatted by clang-format (.clang-format): in a git
# checkout the tracked files and the new ones not ignored, elsewhere every *.cpp and *.h outside
# the build folders.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "format: SKIPPED, clang-format is not installed"
  exit 0
fi
if git rev-parse --git-dir >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' |
    while read -r f; do [ -f "$f" ] && echo "$f"; done)
else
  mapfile -t files < <(find . -path './build*' -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) \
    -print | sed 's|^\./||' | sort)
fi
((${#files[@]})) || { echo "format: no C++ files"; exit 0; }
if ! "$format" --dry-run --Werror "${files[@]}"; then
  echo "format: run clang-format -i on the files above" >&2
  exit 1
fi
echo "format: all ${#files[@]} C++ files formatted"
