#!/usr/bin/env bash
# Sourced by the other scripts: start_virtual_display starts a private Xvfb display and exports
# DISPLAY; stop_virtual_display stops it again. The caller puts the stop into its own EXIT trap,
# beside whatever else it must clean up, so that no trap here is overwritten by the caller's.

virtual_display_pid=""

start_virtual_display() {
    local fd_file
    fd_file=$(mktemp)
    # -displayfd makes Xvfb pick a free display number and write it once it accepts clients.
    # -noreset keeps the server up between clients: by default it resets whenever its last
    # client disconnects, and a program that connects during the reset cannot open the display.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_file" >/dev/null 2>&1 &
    virtual_display_pid=$!
    for _ in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    if [ ! -s "$fd_file" ]; then
        echo "Xvfb did not start" >&2
        rm -f "$fd_file"
        stop_virtual_display
        return 1
    fi
    local display
    display=":$(head -n1 "$fd_file")"
    export DISPLAY=$display
    rm -f "$fd_file"
}

# Safe to call whether or not a display was started, and more than once.
stop_virtual_display() {
    [ -n "$virtual_display_pid" ] || return 0
    kill "$virtual_display_pid" 2>/dev/null || true
    wait "$virtual_display_pid" 2>/dev/null || true
    virtual_display_pid=""
}
