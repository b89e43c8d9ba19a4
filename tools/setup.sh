#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages МСС-65 needs: `setup.sh run` what building and
# running the program need, `setup.sh test` (the default) those and what the
# tests, the benchmarks and the package checks need as well. Installs
# nothing when everything is already present.
set -euo pipefail

run_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libqt6sql6-sqlite qt6-svg-dev
  libstemmer-dev
  fonts-liberation2 qt6-translations-l10n
)
test_packages=(
  git
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libgif-dev
  xvfb xauth x11-utils openbox at-spi2-core python3-pyatspi dbus valgrind time
  desktop-file-utils appstream dpkg-dev
  poppler-utils
  hyperfine
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "Использование: setup.sh [run|test]" >&2; exit 2 ;;
esac

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
