#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs window tests on a real X server (Xvfb) under a window manager.
#   usage: on_x11.sh SIZE TESTS [test functions...]   e.g. 1280x900
# Extra environment (QT_SCALE_FACTOR …) passes through.
set -euo pipefail
size=$1
tests=$2
shift 2
source "$(cd "$(dirname "$0")" && pwd)/../xvfb.sh"
start_xvfb "$size"
start_openbox
QT_QPA_PLATFORM=xcb "$tests" "$@"
