#!/usr/bin/env bash
# The game program started where it cannot play says why on standard error and exits non-zero:
# without a display, without its data beside it, and with options it does not know.
set -u
program=$1
failures=0
expect() { # expect NAME STATUS-WANTED TEXT-WANTED COMMAND...
    local name=$1 wanted=$2 text=$3
    shift 3
    local said status
    said=$("$@" 2>&1 >/dev/null)
    status=$?
    if [[ $status -ne $wanted ]]; then
        echo "FAIL $name: exit status $status, wanted $wanted (said: $said)"
        failures=$((failures + 1))
    elif [[ $said != *"$text"* ]]; then
        echo "FAIL $name: said '$said', wanted it to contain '$text'"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

expect "no display" 1 "no display to open the game window on" \
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$program"

lone=$(mktemp -d)
trap 'rm -rf "$lone"' EXIT
cp "$program" "$lone/depthrun"
expect "no data" 1 "cannot find the game data: looked for the directory $lone/resource_db" \
    "$lone/depthrun"

expect "unknown option" 2 "usage: depthrun [--record FILE]" "$program" --fullscreen
exit $((failures > 0))
