#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# only those that are missing. Run as root.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  libical-dev
  fonts-liberation2
  poppler-utils
  groff-base desktop-file-utils appstream
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
