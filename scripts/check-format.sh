#!/usr/bin/env bash
# Checks that the C++ files changed on this branch (against its merge base with main, or against
# the previous commit on main itself) and not yet committed are formatted by clang-format.
# Outside a git checkout, or without a parent commit, there is nothing to compare and it passes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "format: SKIPPED, clang-format is not installed"
  exit 0
fi
git rev-parse --git-dir >/dev/null 2>&1 || { echo "format: not a git checkout, nothing to compare"; exit 0; }
head=$(git rev-parse HEAD)
base=$(git merge-base HEAD main 2>/dev/null || git merge-base HEAD origin/main 2>/dev/null || true)
if [ -z "$base" ] || [ "$base" = "$head" ]; then
  base=$(git rev-parse --verify -q HEAD~ || true)
fi
[ -n "$base" ] || { echo "format: no parent commit, nothing to compare"; exit 0; }
mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h')
((${#files[@]})) || { echo "format: no changed C++ files"; exit 0; }
if ! "$format" --dry-run --Werror "${files[@]}"; then
  echo "format: run clang-format -i on the files above" >&2
  exit 1
fi
echo "format: ${#files[@]} changed files formatted"
