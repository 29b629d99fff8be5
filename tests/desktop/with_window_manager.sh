#!/bin/sh
# Runs a command on the current X display with openbox managing its windows, as on a player's
# desktop:   with_window_manager.sh [--config <openbox rc.xml>] <command> [arguments]
# The command waits for the window manager itself: openbox announces itself on the root window
# before it takes on new windows.
set -u
config=""
if [ "${1:-}" = "--config" ]; then
    config="--config-file $2"
    shift 2
fi
# shellcheck disable=SC2086
openbox --sm-disable $config >/dev/null 2>&1 &
wm=$!
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
