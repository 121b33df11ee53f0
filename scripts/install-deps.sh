#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when something is missing.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  qt6-svg-dev qt6-image-formats-plugins qt6-l10n-tools qt6-tools-dev
  libgtest-dev libgmock-dev libbenchmark-dev liblz4-dev zlib1g-dev
  fonts-arphic-uming fonts-wqy-zenhei adwaita-icon-theme
  xvfb xauth imagemagick
  clang-14 libclang-rt-14-dev clang-format-14
  dpkg-dev help2man lintian desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
