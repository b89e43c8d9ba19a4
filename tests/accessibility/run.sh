#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen reader's view of the program: a real AT-SPI client walks the
# window's accessibility tree, presses keys by their names and reads the
# meaning line.   usage: run.sh PATH/TO/mss65
set -euo pipefail
exec dbus-run-session -- bash "$(dirname "$0")/session.sh" "$1"
