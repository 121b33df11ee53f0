#!/usr/bin/env bash
# Usage: scripts/shots.sh [--lang en] [BUILD_DIR]
# Retakes the pictures in docs/: builds tools/shots (ledsign_shots, -DLEDSIGN_BUILD_SHOTS=ON) in
# BUILD_DIR (default build/), runs each of its cases in a fresh Xvfb screen of 1280 x 1024 and
# copies what they took into docs/, the parameter pages put together in one picture. With
# --lang en the windows speak English and the pictures go to docs/en/.
#
# One picture is not taken here: docs/package-menu-entry.png, the editor of the installed package
# started as its menu entry starts it (the entry's Exec line, on a screen without a window
# manager, so the window sits at the top left), which needs the package installed (as root):
#   scripts/package.sh && apt install ./build-package/ledsign_*.deb
#   xvfb-run -s "-screen 0 1280x1024x24" sh -c '$(sed -n "s/^Exec=//p" \
#     /usr/share/applications/ledsign.desktop) & sleep 5
#     import -window root -crop 816x467+0+0 docs/package-menu-entry.png; kill $!'
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lang=zh
docs=$root/docs
if [ "${1:-}" = --lang ]; then
  lang=${2:?--lang takes zh or en}
  shift 2
  [ "$lang" = en ] && docs=$root/docs/en
fi
mkdir -p "$docs"
dir=${1:-$root/build}
"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$dir" -DLEDSIGN_BUILD_SHOTS=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target ledsign_shots
dir=$(cd "$dir" && pwd)

shots=$dir/tools/shots/ledsign_shots
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
# Each case (one suite of ledsign_shots) in a process and a screen of its own, in the build
# folder, which the file dialog shows.
cd "$dir"
for case in $(QT_QPA_PLATFORM=offscreen "$shots" --gtest_list_tests | sed -n 's/^\([^ ].*\)\.$/\1/p'); do
  echo "shots: $case"
  if ! LEDSIGN_SHOTS="$out" LEDSIGN_SHOTS_LANG="$lang" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$shots" --gtest_filter="$case.*" --gtest_brief=1; then
    echo "shots: $case failed" >&2
    failed=1
  fi
done

# The nine parameter pages, three by three; each transition's three steps, one below the other.
montage "$out"/params-{1..9}.png -tile 3x3 -geometry +4+4 "$out/params-pages.png"
for series in move-left open-from-left; do
  convert "$out/$series"-tick{032,064,096}.png -append "$out/preview-$series.png"
done
rm -f "$out"/params-[1-9].png "$out"/*-tick[0-9]*.png

# A picture whose pixels did not change is left as it is.
for shot in "$out"/*.png; do
  doc=$docs/$(basename "$shot")
  [ -f "$doc" ] && [ "$(compare -metric AE "$shot" "$doc" null: 2>&1 || true)" = 0 ] && continue
  cp "$shot" "$doc"
  echo "shots: ${doc#"$root/"} retaken"
done
missing=()
for doc in "$docs"/*.png; do
  name=$(basename "$doc")
  [ "$name" = package-menu-entry.png ] || [ -f "$out/$name" ] || missing+=("$name")
done
if ((${#missing[@]})); then
  echo "shots: not retaken: ${missing[*]}" >&2
  failed=1
fi
exit "$failed"
