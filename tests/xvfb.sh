# Sourced by the test scripts that need a real X server: starts Xvfb on a
# free display, exports DISPLAY and stops the server when the script ends.
# Call start_xvfb; add the PIDs of other helpers to EXTRA_PIDS to stop them too.

EXTRA_PIDS=""

start_xvfb() {
    local number_file
    number_file=$(mktemp)
    # Xvfb picks a free display and writes its number once it is ready.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill $EXTRA_PIDS $XVFB_PID 2>/dev/null || true' EXIT
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
    if [ ! -s "$number_file" ]; then
        echo "FAIL: Xvfb did not start"
        exit 1
    fi
    export DISPLAY=:$(cat "$number_file")
    rm -f "$number_file"
}
