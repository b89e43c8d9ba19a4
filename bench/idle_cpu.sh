#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What an idle window costs: the share of one core a program takes over
# MSS65_IDLE_SECONDS (10) seconds, on a private Xvfb server under openbox,
# for a bare Qt window, the untouched main window (active), and the main
# window with the drill and the search windows open. Prints one line per
# case: name, percent of a core.
#
# Usage: idle_cpu.sh BARE_WINDOW MSS65
set -euo pipefail
bare=$1
program=$2
seconds=${MSS65_IDLE_SECONDS:-10}
ticks=$(getconf CLK_TCK)

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
# openbox is ready once it names itself on the root window.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done

# The process's user and system time in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Waits until process $1 shows a window titled $2 (any title when empty).
wait_for_window() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --pid "$1" --name "$2" >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "no window «$2»" >&2
  return 1
}

# Brings the main window of process $1 to the front.
activate_main() { xdotool search --onlyvisible --pid "$1" --name "Фарлин" windowactivate --sync >/dev/null 2>&1 || true; }

# measure NAME PID: the share of a core over the idle stretch.
measure() {
  sleep 2  # let the start settle
  local before after
  before=$(cpu_ticks "$2")
  sleep "$seconds"
  after=$(cpu_ticks "$2")
  awk -v n="$1" -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" 'BEGIN { printf "%s\t%.2f\n", n, 100 * t / hz / s }'
}

run_case() {
  local name=$1
  shift
  XDG_DATA_HOME=$work/data "$@" >/dev/null 2>&1 &
  local pid=$!
  pids+=("$pid")
  echo "$pid"
}

pid=$(run_case bare "$bare")
sleep 1
measure "bare window" "$pid"
kill "$pid"

pid=$(run_case main "$program")
wait_for_window "$pid" "Фарлин"
activate_main "$pid"
measure "main window, untouched" "$pid"

xdotool key F2
wait_for_window "$pid" "Тренировка"
activate_main "$pid"
xdotool key ctrl+f
wait_for_window "$pid" "Поиск сигнала"
measure "main window with the drill and the search open" "$pid"
kill "$pid"
