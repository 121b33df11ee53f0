#!/usr/bin/env bash
# Installs what is missing, checks the formatting of the changed files, then builds (warnings are
# errors) and runs every test twice: a normal build and one with address and undefined-behaviour
# sanitizers; last, a short run of every fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen

"$root/scripts/check-format.sh"

"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDSIGN_WERROR=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)" --timeout 300

"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DLEDSIGN_SANITIZE=ON \
  -DLEDSIGN_BUILD_BENCH=OFF -DLEDSIGN_WERROR=ON
ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)" --timeout 600

# About 20 s for each fuzz target; skipped with a line saying so when libFuzzer is missing.
"$root/scripts/fuzz.sh" all "${LEDSIGN_FUZZ_SECONDS:-20}"
