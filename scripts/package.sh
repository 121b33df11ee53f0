#!/usr/bin/env bash
# Builds a Release tree in build-package/ with Debian's compiler and linker flags and makes the
# Debian package of it: build-package/ledsign_<version>_<arch>.deb, which
# `apt install ./build-package/ledsign_*.deb` installs. Options are passed on to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
dir="$root/build-package"
# Hardened as Debian builds its own packages: fortified functions, read-only relocations.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS" LDFLAGS
"$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DLEDSIGN_BUILD_BENCH=OFF "$@"
rm -f "$dir"/ledsign_*.deb
cpack --config "$dir/CPackConfig.cmake" -B "$dir" >/dev/null
ls "$dir"/ledsign_*.deb
