# Sourced by the scripts that play the real game in an X window: starts a
# private Xvfb display and the game in it. Works under `set -euo pipefail`.

# Starts Xvfb on a free display and exports DISPLAY; sets $xvfb to its pid.
# Xvfb picks the display number itself and writes it to descriptor 3, so
# runs side by side never share a display.
start_display() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 200); do [ -s "$display_file" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -n1 "$display_file")
    rm -f "$display_file"
    # Xvfb can be slow to start on a busy machine: wait up to 20 seconds.
    for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start (display $DISPLAY)"; return 1; }
}

# start_game <game> <standard error file>: starts the game from the current
# directory and waits for its window. Sets $pid, $window and $start (the
# start time in nanoseconds).
start_game() {
    local game=$1 log=$2
    unset SDL_VIDEODRIVER
    # Kept progress goes to a data folder of the run's own, never the user's
    # (stop_display removes it).
    game_data_home=$(mktemp -d)
    export XDG_DATA_HOME=$game_data_home
    # A display that has only just come up can still refuse the first client
    # on a busy machine: start the game again (up to three times) if it gave up.
    for attempt in 1 2 3; do
        start=$(date +%s%N)
        "$game" >/dev/null 2>"$log" &
        pid=$!
        window=""
        for _ in $(seq 100); do
            window=$(xdotool search --name "Gorlak Zombies - Release 1" 2>/dev/null | head -n1 || true)
            [ -n "$window" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        [ -n "$window" ] && break
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=""
        echo "attempt $attempt: no window ($(head -c 200 "$log"))"
        sleep 1
    done
    [ -n "$window" ] || { echo "no window appeared"; cat "$log"; return 1; }
    timeout 5 xdotool windowfocus --sync "$window" >/dev/null 2>&1 ||
        xdotool windowfocus "$window" >/dev/null 2>&1 || true
}
