#!/usr/bin/env bash
# Measures the processor time the real game uses while playing: starts it
# under Xvfb on the shipped content from the repository root, plays for a
# while (runs right, jumps, aims and runs the lawnmower), and reports user +
# system time over wall time. Fails when it is above the limit.
#   scripts/cpu_while_playing.sh [seconds (20)] [limit in percent (10)] [game]
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-20}
limit=${2:-10}
game=${3:-$repo/build/gorlak_zombies}
[ -x "$game" ] || { echo "build the game first (./play.sh or ./test.sh): $game"; exit 1; }

source "$repo/scripts/xvfb_game.sh"
log=$(mktemp)
pid=""
xvfb=""
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; [ -n "$xvfb" ] && kill $xvfb 2>/dev/null; rm -f "$log"; [ -n "${game_data_home:-}" ] && rm -rf "$game_data_home"' EXIT
start_display
cd "$repo"
start_game "$game" "$log"

# Play: every second turn and run the other way, jump and swing the mower.
end=$((start + seconds * 1000000000))
key=d
xdotool keydown $key
while [ "$(date +%s%N)" -lt "$end" ]; do
    xdotool key w mousemove --window "$window" $((RANDOM % 1000)) $((RANDOM % 700)) click 1
    sleep 1
    xdotool keyup $key
    if [ $key = d ]; then key=a; else key=d; fi
    xdotool keydown $key
done
xdotool keyup $key

# utime and stime, fields 14 and 15 of /proc/<pid>/stat, in clock ticks.
read -r -a stat < "/proc/$pid/stat"
wall_ns=$(($(date +%s%N) - start))
ticks=$((stat[13] + stat[14]))
hz=$(getconf CLK_TCK)
xdotool key Escape
wait "$pid" || true
pid=""
percent=$(awk -v t="$ticks" -v hz="$hz" -v w="$wall_ns" 'BEGIN { printf "%.1f", 100 * (t / hz) / (w / 1e9) }')
echo "processor use while playing: ${percent}% of one core over $(awk -v w="$wall_ns" 'BEGIN { printf "%.1f", w / 1e9 }') s"
awk -v p="$percent" -v l="$limit" 'BEGIN { exit !(p <= l) }' || { echo "above the limit of ${limit}%"; exit 1; }
