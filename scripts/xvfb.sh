#!/usr/bin/env bash
# Sourced by the other scripts: starts a private Xvfb display, exports DISPLAY, and stops the
# display again when the sourcing script exits.

start_virtual_display() {
    local fd_file
    fd_file=$(mktemp)
    # -displayfd makes Xvfb pick a free display number and write it once it accepts clients.
    # -noreset keeps the server up between clients: by default it resets whenever its last
    # client disconnects, and a program that connects during the reset cannot open the display.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
    for _ in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    if [ ! -s "$fd_file" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
}
