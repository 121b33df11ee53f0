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
# LeakSanitizer's exit-time tracer can itself crash ("Tracer caught signal 11") after a test has
# passed; a test that failed only that way runs once more. Any other failure stands.
asan_log="$root/build-asan/ctest-output.log"
if ! ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)" --timeout 600 \
  --output-log "$asan_log"; then
  failed=$(grep -c . "$root/build-asan/Testing/Temporary/LastTestsFailed.log" || true)
  tracer=$(grep -c 'LeakSanitizer has encountered a fatal error' "$asan_log" || true)
  if [ "$failed" -gt 0 ] && [ "$failed" -eq "$tracer" ]; then
    echo "test: $failed test(s) failed only by LeakSanitizer's tracer crash; running them again"
    ctest --test-dir "$root/build-asan" --output-on-failure --timeout 600 --rerun-failed
  else
    exit 1
  fi
fi

# About 20 s for each fuzz target; skipped with a line saying so when libFuzzer is missing.
"$root/scripts/fuzz.sh" all "${LEDSIGN_FUZZ_SECONDS:-20}"
