#!/usr/bin/env bash
# Starts the real game in a real X window under Xvfb, takes a screenshot,
# sends Escape and expects a clean exit.
set -u
game=$1
content=$2
shot=$3
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb and xdotool are needed"; exit 1; }

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
# Xvfb can be slow to start on a busy machine: wait up to 20 seconds.
for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cd "$content" || exit 1
unset SDL_VIDEODRIVER
"$game" >/dev/null 2>game_stderr.log &
pid=$!
window=""
for _ in $(seq 300); do
    window=$(xdotool search --name "Gorlak Zombies - Release 1" 2>/dev/null | head -n1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window appeared"; cat game_stderr.log; kill $pid; exit 1; }
sleep 0.5
if command -v import >/dev/null; then
    import -window root "$shot" || { echo "screenshot failed"; kill $pid; exit 1; }
fi
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus "$window" >/dev/null 2>&1
xdotool key --window "$window" Escape
for _ in $(seq 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
    echo "game did not quit on Escape"; kill $pid; exit 1
fi
wait $pid
status=$?
rm -f game_stderr.log
echo "exit status $status"
exit $status
