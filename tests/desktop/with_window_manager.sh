#!/bin/sh
# Runs a command on the current X display with openbox managing its windows, as on a player's
# desktop:   with_window_manager.sh <command> [arguments]
# The command waits for the window manager itself (it announces itself on the root window).
set -u
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
