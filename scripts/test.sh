#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build and one with
# address and undefined-behaviour sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen

"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)" --timeout 300

"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DLEDSIGN_SANITIZE=ON \
  -DLEDSIGN_BUILD_BENCH=OFF
ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)" --timeout 600
