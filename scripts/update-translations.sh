#!/usr/bin/env bash
# Collects every operator text of src/ into the English catalogue, translations/ledsign_en.ts,
# keeping the translations already made and dropping texts the code no longer has. Open the file
# in Qt Linguist (linguist-qt6) or any editor and fill in each new "unfinished" entry.
# With --check the catalogue is left alone: the script fails when it is out of date or has an
# entry without a translation, and lists them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}
catalogue="$root/translations/ledsign_en.ts"
# No line numbers in the catalogue: it changes only when a text does.
options=(-locations none -no-obsolete -source-language zh_CN -target-language en)

if [ "${1:-}" != "--check" ]; then
  "$lupdate" "${options[@]}" "$root/src" -ts "$catalogue"
  exit 0
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$catalogue" "$tmp/ledsign_en.ts"
"$lupdate" -silent "${options[@]}" "$root/src" -ts "$tmp/ledsign_en.ts"
status=0
if ! cmp -s "$catalogue" "$tmp/ledsign_en.ts"; then
  echo "translations: translations/ledsign_en.ts is out of date; run scripts/update-translations.sh" >&2
  diff -u "$catalogue" "$tmp/ledsign_en.ts" | head -40 >&2 || true
  status=1
fi
unfinished=$(grep -B3 'type="unfinished"' "$tmp/ledsign_en.ts" | grep -o '<source>.*</source>' || true)
if [ -n "$unfinished" ]; then
  echo "translations: $(grep -c . <<<"$unfinished") texts have no English translation:" >&2
  sed 's/^/  /' <<<"$unfinished" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "translations: the English catalogue is complete and up to date"
exit "$status"
