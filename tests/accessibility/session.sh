#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside its own D-Bus session: a virtual display, the accessibility
# bus, and the AT-SPI client, which starts the program with its
# accessibility bridge on and watches it.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../xvfb.sh"
start_xvfb

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
EXTRA_PIDS="$!"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
/usr/bin/python3 "$here/read_the_window.py" "$program"
