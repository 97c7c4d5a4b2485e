#!/bin/sh
# From the program's start to its list of a player shown, on a real X display: starts
# `korvida PLAYER`, waits for the window's title to name the player (it is set as the
# player is read), then for the last repaint before 300 ms of quiet (the list painted).
# Prints the seconds from the start to that repaint and the memory the program then holds.
#
#   bench/real_window_start.sh KORVIDA PLAYER_FOLDER XCLICK_REPAINT [RUNS]
#
# Needs DISPLAY (Xvfb at 1440 x 900 will do) and xdotool.
set -eu

if [ $# -lt 3 ]; then
    echo "usage: $0 KORVIDA PLAYER_FOLDER XCLICK_REPAINT [RUNS]" >&2
    exit 2
fi
korvida=$1
player=$2
timer=$3
runs=${4:-3}
name=$(basename "$player")
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT

run=0
while [ "$run" -lt "$runs" ]; do
    run=$((run + 1))
    start=$(date +%s.%N)
    XDG_CONFIG_HOME=$settings "$korvida" "$player" >/dev/null 2>&1 &
    pid=$!
    window=""
    while [ -z "$window" ]; do
        for candidate in $(xdotool search --pid "$pid" --classname korvida 2>/dev/null || true); do
            case $(xdotool getwindowname "$candidate" 2>/dev/null || true) in
            "$name"*) window=$candidate ;;
            esac
        done
        sleep 0.01
    done
    shown=$("$timer" settle "$window" 300 10)
    memory=$(awk '/^VmRSS/ { printf "%.0f", $2 / 1024 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    printf 'start to list %.3f s, %s MiB resident\n' "$(echo "$shown - $start" | bc)" "$memory"
done
