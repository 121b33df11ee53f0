#!/usr/bin/env bash
# Usage: scripts/test-package.sh BUILD_DIR
# Makes the Debian package of a finished build (cpack, stripped; nothing is rebuilt) and checks
# it: lintian finds no error, the desktop entry and the AppStream metainfo validate, the package
# holds the programs, their link libraries, the menu entry, icon, metainfo and manual pages, and
# the programs run from the unpacked package and load their link libraries. Skipped, with a line
# saying so, when a packaging tool is missing.
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-architecture lintian desktop-file-validate appstreamcli help2man; do
  command -v "$tool" >/dev/null || { echo "package test: skipped, $tool is missing"; exit 0; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(echo "$work"/ledsign_*.deb)
version=$(dpkg-deb -f "$deb" Version)

lint=0
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || lint=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$lint" -eq 0 ] || fail "lintian reports errors"

multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in usr/bin/ledsign usr/bin/ledsignctl usr/bin/signsim \
  "usr/lib/$multiarch/ledsign/libNQ_COM_LED.so" "usr/lib/$multiarch/ledsign/libNQ_NET_LED.so" \
  usr/share/applications/ledsign.desktop usr/share/icons/hicolor/scalable/apps/ledsign.svg \
  usr/share/man/man1/ledsign.1.gz usr/share/man/man1/ledsignctl.1.gz \
  usr/share/man/man1/signsim.1.gz usr/share/doc/ledsign/copyright; do
  grep -qx "\./$file" <<<"$contents" || fail "the package lacks /$file"
done
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' <<<"$contents" || fail "no metainfo"

root="$work/root"
dpkg-deb -x "$deb" "$root"
out=$(desktop-file-validate "$root/usr/share/applications/ledsign.desktop" 2>&1) && [ -z "$out" ] ||
  fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/as.log" 2>&1 ||
  { cat "$work/as.log"; fail "appstreamcli validate failed"; }

for program in ledsign ledsignctl signsim; do
  said=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --version 2>/dev/null)
  [ "$said" = "$program $version" ] || fail "$program --version says '$said', not $version"
done
# A closed loopback port: the link library loads and reports that it cannot connect.
rc=0
said=$("$root/usr/bin/ledsignctl" --home "$work/home" --net 127.0.0.1:1 status 2>&1) || rc=$?
[ "$rc" -eq 1 ] && grep -q '连接失败' <<<"$said" ||
  fail "ledsignctl from the package did not reach its link library (exit $rc): $said"
echo "package test: $(basename "$deb") passes lintian, desktop-file-validate and appstreamcli;" \
  "its programs run unpacked and load their link libraries"
