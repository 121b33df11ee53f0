#!/usr/bin/env bash
# Installs what is missing, builds, starts the virtual controller card on loopback (TCP port
# 8000 unless taken, and a pseudo-terminal) with its sign window when there is a screen, then
# the application with a home whose set.ini points at the card. Closing the application stops
# the card.
#
# --fleet N (1 .. 64) starts N cards instead, of mixed sizes and models, and writes the home's
# sign list (signs.ini) with one sign per card: the first card is the one set.ini points at and
# the only one with a pseudo-terminal, and the list reaches it over that; the others are listed
# over TCP/IP on free ports. Only the first card answers network discovery. Closing the
# application stops every card.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

fleet=0 # the fleet's cards; 0 without --fleet
args=()
while [ $# -gt 0 ]; do
  case $1 in
    --fleet | --fleet=*)
      if [ "$1" = --fleet ]; then
        [ $# -ge 2 ] || { echo "--fleet needs a number of cards (1 ... 64)." >&2; exit 2; }
        n=$2; shift 2
      else
        n=${1#--fleet=}; shift
      fi
      if ! [[ $n =~ ^[0-9]{1,2}$ ]] || ((10#$n < 1 || 10#$n > 64)); then
        echo "--fleet needs a number of cards from 1 to 64, not '$n'." >&2
        exit 2
      fi
      fleet=$((10#$n)) ;;
    *) args+=("$1"); shift ;;
  esac
done

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

# The card's sign window, beside the application, when there is a screen to show it on. A fleet
# shows the windows of its first four cards only: more would cover the screen, and every window
# plays its programs on the same processors as the cards and the application.
screen=0
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && screen=1
# A fleet's cards take their sizes and models in turn from this list: width height model.
mix=("320 64 2" "128 32 1" "192 64 3" "256 32 2")

# Sets `opts` to the options of card K (1 is the first): its flash folder, in a fleet its size and
# model, and its sign window.
card_options() {
  local size
  if [ "$fleet" -gt 0 ]; then
    read -r -a size <<<"${mix[$((($1 - 1) % ${#mix[@]}))]}"
    mkdir -p "$root/build/fleet-state/$1"
    opts=(--state "$root/build/fleet-state/$1" --width "${size[0]}" --height "${size[1]}"
      --model "${size[2]}")
  else
    opts=(--state "$state")
  fi
  if [ "$screen" = 1 ] && [ "$1" -le 4 ]; then opts+=(--display --snapshot-dir "$home"); fi
}

cards=() # the running cards' process ids, card K at K - 1
stop_cards() {
  local p
  for p in "${cards[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${cards[@]}"; do wait "$p" 2>/dev/null || true; done
}
trap stop_cards EXIT

# Starts card K with its log file and options; the card's process id goes to cards[K - 1].
launch_card() { # K LOG OPTIONS...
  local k=$1 out=$2
  shift 2
  : >"$out"
  "$bin/signsim" --bind 127.0.0.1 "$@" >"$out" 2>&1 &
  cards[k - 1]=$!
}
# Succeeds once card K reports in its log that it is ready.
wait_ready() { # K LOG
  for _ in $(seq 100); do
    grep -q '^signsim ready' "$2" && return 0
    kill -0 "${cards[$1 - 1]}" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
start_first() { # PORT DISCOVERY-PORT
  card_options 1
  launch_card 1 "$log" --port "$1" --discovery-port "$2" --pty-link "$pty" --baud 115200 "${opts[@]}"
  wait_ready 1 "$log" && return 0
  stop_cards
  cards=()
  return 1
}
start_first 8000 8001 || start_first 0 0 ||
  { cat "$log" >&2; echo "The virtual controller card did not start." >&2; exit 1; }
port=$(sed -n 's/^signsim ready tcp=\([0-9]*\).*/\1/p' "$log")
discovery=$(sed -n 's/^signsim ready.* discovery=\([0-9]*\).*/\1/p' "$log")
baud=115200
echo "Virtual controller card: 127.0.0.1:$port, serial $pty"

# The other cards of a fleet start together on free ports, TCP/IP only.
ports=("$port")
if [ "$fleet" -gt 1 ]; then
  for k in $(seq 2 "$fleet"); do
    card_options "$k"
    launch_card "$k" "$root/build/fleet-state/$k.log" --port 0 --no-pty "${opts[@]}"
  done
  for k in $(seq 2 "$fleet"); do
    out="$root/build/fleet-state/$k.log"
    wait_ready "$k" "$out" ||
      { cat "$out" >&2; echo "Virtual controller card $k did not start." >&2; exit 1; }
    ports+=("$(sed -n 's/^signsim ready tcp=\([0-9]*\).*/\1/p' "$out")")
  done
  echo "Virtual controller cards 2 ... $fleet: 127.0.0.1, TCP ports ${ports[*]:1}"
fi

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

# The sign list, in GBK, one section [大屏K] per card: 名称=屏N 通讯方式 (0 serial, 1 TCP/IP)
# 串口 波特率 or LEDIP LEDPORT, and 屏宽 屏高.
if [ "$fleet" -gt 0 ]; then
  for k in $(seq 1 "$fleet"); do
    read -r -a size <<<"${mix[$(((k - 1) % ${#mix[@]}))]}"
    printf '[\xB4\xF3\xC6\xC1%d]\r\n' "$((k - 1))"
    printf '\xC3\xFB\xB3\xC6=\xC6\xC1%d\r\n' "$k"
    if [ "$k" = 1 ]; then
      printf '\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=0\r\n'
      printf '\xB4\xAE\xBF\xDA=%s\r\n\xB2\xA8\xCC\xD8\xC2\xCA=%s\r\n' "$pty" "$baud"
    else
      printf '\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=1\r\n'
      printf 'LEDIP=127.0.0.1\r\nLEDPORT=%s\r\n' "${ports[$((k - 1))]}"
    fi
    printf '\xC6\xC1\xBF\xED=%s\r\n\xC6\xC1\xB8\xDF=%s\r\n' "${size[0]}" "${size[1]}"
  done >"$home/signs.ini.new"
  mv "$home/signs.ini.new" "$home/signs.ini"
  echo "Sign list: $home/signs.ini ($fleet signs)"
fi

# The link library looks for controllers on the card's discovery port.
NQ_DISCOVERY_PORT="$discovery" LEDSIGN_EXTRA_PORTS="$pty" "$bin/ledsign" --home "$home" "${args[@]}"
