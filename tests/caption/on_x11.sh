#!/usr/bin/env bash
# Runs the caption hook's tests on a real X server (Xvfb), with or without a
# window manager.   usage: on_x11.sh TESTS [openbox]
set -euo pipefail
tests=$1
wm=${2:-}
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
manager=
trap 'kill $manager $xvfb 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
[ -s "$number_file" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$number_file")
if [ "$wm" = openbox ]; then
  openbox >/dev/null 2>&1 &
  manager=$!
  sleep 1
fi
QT_QPA_PLATFORM=xcb "$tests" --gtest_filter='CaptionHook.*'
