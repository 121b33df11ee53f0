#!/usr/bin/env bash
# Installs what is missing, builds, starts the virtual controller card on loopback (TCP port
# 8000 unless taken, and a pseudo-terminal) with its sign window when there is a screen, then
# the application with a home whose set.ini points at the card. Closing the application stops
# the card.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

bin="$root/build/bin"
home="$root/build/run-home"
state="$root/build/signsim-state"
mkdir -p "$home" "$state"
# An editor already working on this home keeps it: nothing here is written, no second card starts.
lock="$home/.ledsign.lock"
if [ -f "$lock" ] && pid=$(head -n 1 "$lock") && [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
  echo "An editor (process $pid) already works on $home; close it first." >&2
  exit 1
fi
log="$home/signsim.log"
pty="$home/card-pty"

# The card's sign window, beside the application, when there is a screen to show it on.
display=()
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && display=(--display --snapshot-dir "$home")

card=""
stop_card() { [ -n "$card" ] && kill "$card" 2>/dev/null && wait "$card" 2>/dev/null; true; }
trap stop_card EXIT

# Starts the card on the given TCP port; succeeds once it reports that it is ready.
start_card() {
  : >"$log"
  "$bin/signsim" --bind 127.0.0.1 --port "$1" --discovery-port "$2" --state "$state" \
    --pty-link "$pty" --baud 115200 "${display[@]}" >"$log" 2>&1 &
  card=$!
  for _ in $(seq 100); do
    grep -q '^signsim ready' "$log" && return 0
    kill -0 "$card" 2>/dev/null || { card=""; return 1; }
    sleep 0.1
  done
  stop_card
  card=""
  return 1
}
start_card 8000 8001 || start_card 0 0 || { cat "$log" >&2; echo "The virtual controller card did not start." >&2; exit 1; }
port=$(sed -n 's/^signsim ready tcp=\([0-9]*\).*/\1/p' "$log")
discovery=$(sed -n 's/^signsim ready.* discovery=\([0-9]*\).*/\1/p' "$log")
baud=115200
echo "Virtual controller card: 127.0.0.1:$port, serial $pty"

# The communication settings, in GBK: [配置参数] 通讯方式=1 串口 波特率 LEDIP LEDPORT GPRS 超时时间.
{
  printf '[\xC5\xE4\xD6\xC3\xB2\xCE\xCA\xFD]\r\n'
  printf '\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=1\r\n'
  printf '\xB4\xAE\xBF\xDA=%s\r\n' "$pty"
  printf '\xB2\xA8\xCC\xD8\xC2\xCA=%s\r\n' "$baud"
  printf 'LEDIP=127.0.0.1\r\nLEDPORT=%s\r\nGPRS=0\r\n' "$port"
  printf '\xB3\xAC\xCA\xB1\xCA\xB1\xBC\xE4=500\r\n'
} >"$home/set.ini.new"
mv "$home/set.ini.new" "$home/set.ini"

# The link library looks for controllers on the card's discovery port.
NQ_DISCOVERY_PORT="$discovery" LEDSIGN_EXTRA_PORTS="$pty" "$bin/ledsign" --home "$home" "$@"
