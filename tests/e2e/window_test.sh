#!/usr/bin/env bash
# Starts the real game in a real X window under Xvfb from the content's
# directory, as play.sh does from the repository root; holds "d", presses
# "w", moves and clicks the mouse, takes a screenshot and checks that it
# shows a level (many colours, and the level's ground colour when given),
# pauses with "p" (two screenshots a moment apart must be the same),
# resumes, restarts the level with "r", then sends Escape and expects exit
# status 0 within two seconds.
#   window_test.sh <game> <content directory> <screenshot> [ground colour RRGGBB]
set -u
game=$1
content=$2
shot=$3
ground=${4:-}
command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null ||
    { echo "Xvfb, xdotool and ImageMagick are needed"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb_game.sh"
log=$(mktemp)
pid=""
xvfb=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "${game_data_home:-}" ] && rm -rf "$game_data_home"
    rm -f "$log"
}
trap cleanup EXIT
start_display || exit 1
cd "$content" || exit 1
start_game "$game" "$log" || exit 1
sleep 0.5

# Play a moment: run right, jump, aim and run the lawnmower.
xdotool keydown d
sleep 0.4
xdotool key w
xdotool mousemove --window "$window" 700 300
sleep 0.2
xdotool mousemove --window "$window" 600 500 click 1
sleep 0.4
import -window root "$shot" || { echo "screenshot failed"; exit 1; }
xdotool keyup d
kill -0 "$pid" 2>/dev/null || { echo "the game stopped while playing"; cat "$log"; exit 1; }

colours=$(convert "$shot" -format %k info:)
echo "screenshot: $colours colours"
[ "$colours" -ge 16 ] || { echo "the screenshot is nearly one flat colour"; exit 1; }
if [ -n "$ground" ]; then
    convert "$shot" -format %c histogram:info:- | grep -qi "#$ground" ||
        { echo "the ground colour #$ground is not on the screen"; exit 1; }
fi

# Paused, nothing moves; resumed and restarted, the game plays on.
xdotool key p
sleep 0.3
import -window root "$shot.paused1.png" || { echo "screenshot failed"; exit 1; }
sleep 0.5
import -window root "$shot.paused2.png" || { echo "screenshot failed"; exit 1; }
difference=$(compare -metric AE "$shot.paused1.png" "$shot.paused2.png" null: 2>&1 || true)
rm -f "$shot.paused1.png" "$shot.paused2.png"
echo "pixels changed while paused: $difference"
[ "$difference" = 0 ] || { echo "the view moved while paused"; exit 1; }
xdotool key p
sleep 0.2
xdotool key r
sleep 0.3
kill -0 "$pid" 2>/dev/null || { echo "the game stopped after resuming and restarting"; cat "$log"; exit 1; }

escape_time=$(date +%s%N)
xdotool key Escape
for _ in $(seq 40); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the game did not quit within two seconds of Escape"; exit 1
fi
wait "$pid"
status=$?
pid=""
elapsed=$((($(date +%s%N) - escape_time) / 1000000))
echo "exit status $status, $elapsed ms after Escape"
[ -s "$log" ] && { echo "standard error:"; cat "$log"; }
[ "$status" -eq 0 ] && [ "$elapsed" -le 2000 ]
