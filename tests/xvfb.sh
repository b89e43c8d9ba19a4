# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the test scripts that need a real X server: starts Xvfb on a
# free display, exports DISPLAY and stops the server when the script ends.
# Call start_xvfb; add the PIDs of other helpers to EXTRA_PIDS to stop them too.
#
# The server runs with -noreset: without it, Xvfb resets itself whenever its
# last client leaves, and a helper that opens the display only for a moment
# (the accessibility bus launcher, an AT-SPI client) can leave it just while
# the program under test is still connecting, which then loses its display.

EXTRA_PIDS=""

# Waits for a condition, given as a command, up to a deadline in seconds.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        if [ $SECONDS -ge $deadline ]; then return 1; fi
        sleep 0.05
    done
}

# start_xvfb [WIDTHxHEIGHT]: 1024x768 unless told otherwise.
start_xvfb() {
    local number_file size=${1:-1024x768}
    number_file=$(mktemp)
    # Xvfb picks a free display and writes its number once it is ready.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill $EXTRA_PIDS $XVFB_PID 2>/dev/null || true' EXIT
    if ! wait_for 10 test -s "$number_file"; then
        echo "FAIL: Xvfb did not start"
        exit 1
    fi
    export DISPLAY=:$(cat "$number_file")
    rm -f "$number_file"
}

# A window manager is running once it names itself on the root window.
window_manager_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

start_openbox() {
    openbox >/dev/null 2>&1 &
    EXTRA_PIDS="$EXTRA_PIDS $!"
    if ! wait_for 20 window_manager_ready; then
        echo "FAIL: openbox did not start"
        exit 1
    fi
}
