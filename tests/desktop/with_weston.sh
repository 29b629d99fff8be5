#!/bin/sh
# Runs a command as a client of a fresh headless Weston, its desktop shell on a screen of
# WESTON_WIDTH x WESTON_HEIGHT (1366 x 768 unless told), on a socket of its own so that runs
# side by side do not meet:   with_weston.sh <command> [arguments]
# A headless output that went idle would stop showing its windows: --idle-time=0.
set -u
runtime=$(mktemp -d "${TMPDIR:-/tmp}/weston.XXXXXX") || exit 1  # mode 0700, as Wayland asks
socket="wayland-test-$$"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
    --width="${WESTON_WIDTH:-1366}" --height="${WESTON_HEIGHT:-768}" --idle-time=0 \
    --log="$runtime/weston.log" >/dev/null 2>&1 &
compositor=$!
stop() {
    kill "$compositor" 2>/dev/null
    wait "$compositor" 2>/dev/null
    rm -rf "$runtime"
}
# The socket appears once the compositor listens; a compositor that dies says why in its log.
tries=0
while [ ! -S "$runtime/$socket" ]; do
    if ! kill -0 "$compositor" 2>/dev/null || [ "$tries" -ge 200 ]; then
        echo "with_weston.sh: weston did not start:" >&2
        cat "$runtime/weston.log" >&2 2>/dev/null
        stop
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.05
done
# Qt takes a window whose frame the compositor has not called for within 100 ms for one that is
# no longer shown; a compositor on a loaded machine can be that late with a window that stays.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
    QT_WAYLAND_FRAME_CALLBACK_TIMEOUT=5000 "$@"
status=$?
stop
exit "$status"
