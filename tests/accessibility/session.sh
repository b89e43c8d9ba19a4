#!/usr/bin/env bash
# Runs inside its own D-Bus session: a virtual display, the accessibility
# bus, the program with its accessibility bridge on, and the AT-SPI client.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

# Xvfb picks a free display and writes its number once it is ready.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
[ -s "$number_file" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$number_file")

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$program" &
app=$!
/usr/bin/python3 "$here/read_the_window.py"
