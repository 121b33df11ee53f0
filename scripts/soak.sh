#!/usr/bin/env bash
# Usage: scripts/soak.sh [tcp-cycles] [pty-cycles] [seed]
# The full fault soak: 1000 send/fetch cycles with a random fault each over TCP and 100 over the
# pseudo-terminal (the test command runs a short version). Prints the counts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
LEDSIGN_SOAK_TCP=${1:-1000} LEDSIGN_SOAK_PTY=${2:-100} LEDSIGN_SOAK_SEED=${3:-17} \
  "$root/build/tests/soak/link_soak_test"
