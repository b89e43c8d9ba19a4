#!/usr/bin/env bash
# Installs every Debian package that building, running and testing МСС-65 needs.
# Installs nothing when everything is already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libqt6sql6-sqlite libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libstemmer-dev
  clang libclang-rt-14-dev
  libgif-dev
  xvfb xauth fonts-liberation2 qt6-translations-l10n
  openbox at-spi2-core python3-pyatspi dbus valgrind time
  desktop-file-utils appstream dpkg-dev
  hyperfine
  xdotool x11-apps imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Устанавливаются пакеты: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
