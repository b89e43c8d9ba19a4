#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the caption hook's tests on a real X server (Xvfb), with or without a
# window manager.   usage: on_x11.sh TESTS [openbox]
set -euo pipefail
tests=$1
wm=${2:-}
source "$(cd "$(dirname "$0")" && pwd)/../xvfb.sh"
start_xvfb
if [ "$wm" = openbox ]; then start_openbox; fi
QT_QPA_PLATFORM=xcb "$tests" --gtest_filter='CaptionHook.*'
