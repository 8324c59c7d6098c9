#!/usr/bin/env bash
# Installs the Debian packages Trellon builds, tests and runs with; installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
  libusb-1.0-0-dev
  umockdev libumockdev-dev
  fonts-arphic-uming fonts-wqy-zenhei fonts-arphic-ukai
  xvfb xauth imagemagick
  libxlsxwriter-dev libzip-dev
  libreoffice-writer-nogui libreoffice-calc-nogui poppler-utils
  dpkg-dev unzip
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
