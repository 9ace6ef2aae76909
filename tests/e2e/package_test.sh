#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, checks what it installed
# (the menu entry and metainfo pass their validators, the icons are there in
# every size, nothing lies outside the expected places), starts the installed
# game from / in an X window under Xvfb, sees the window and its icon, quits
# with Escape expecting exit status 0, and removes the package again: the
# installed packages are the same before and after. Needs root (or sudo).
#   tests/e2e/package_test.sh
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
app=io.github.gorlak_zombies
installed_packages() { dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Version}\n' | grep '^ii' | sort; }

dpkg-query -W -f='${Status}' gorlak-zombies 2>/dev/null | grep -q "install ok installed" &&
    { echo "gorlak-zombies is installed already; remove it first (apt-get remove gorlak-zombies)"; exit 1; }
deb=$("$repo/scripts/package.sh" | tail -n1)
echo "package: $deb"
dpkg-deb -f "$deb" Package Version Section Depends

before=$(mktemp)
log=$(mktemp)
pid=""
xvfb=""
added=0
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "${game_data_home:-}" ] && rm -rf "$game_data_home"
    [ "$added" -eq 1 ] && DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq gorlak-zombies >/dev/null
    rm -f "$before" "$log"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
installed_packages > "$before"
added=1
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null

# Every file in its place under /usr, nothing else (no tests, tools or benchmarks).
places=("/\\.?" "/usr(/bin|/share(/applications|/metainfo|/icons(/hicolor(/[0-9]+x[0-9]+(/apps)?)?)?)?)?"
        "/usr/bin/gorlak_zombies" "/usr/share/gorlak-zombies(/.*)?" "/usr/share/applications/$app\\.desktop"
        "/usr/share/metainfo/$app\\.metainfo\\.xml" "/usr/share/icons/hicolor/[0-9]+x[0-9]+/apps/gorlak-zombies\\.png")
stray=""
while IFS= read -r path; do
    placed=0
    for place in "${places[@]}"; do
        [[ $path =~ ^($place)$ ]] && { placed=1; break; }
    done
    [ $placed -eq 1 ] || stray+="$path"$'\n'
done < <(dpkg -L gorlak-zombies)
[ -z "$stray" ] || { echo "FAIL: files outside the expected places:"; printf '%s' "$stray"; exit 1; }
# desktop-file-validate exits with 0 on warnings and hints; none may come.
report=$(desktop-file-validate "/usr/share/applications/$app.desktop" 2>&1) && [ -z "$report" ] ||
    { echo "FAIL: desktop-file-validate: $report"; exit 1; }
appstreamcli validate --no-net "/usr/share/metainfo/$app.metainfo.xml" || { echo "FAIL: appstreamcli validate"; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/gorlak-zombies.png
    [ "$(identify -format '%wx%h %[opaque]' "$icon" 2>/dev/null)" = "${size}x${size} false" ] ||
        { echo "FAIL: $icon is not a ${size}x${size} picture with transparency"; exit 1; }
done
echo "menu entry, metainfo and icons in 8 sizes: valid"

# The installed game from /, as a menu would start it.
source "$repo/scripts/xvfb_game.sh"
start_display
cd /
start_game /usr/bin/gorlak_zombies "$log"
xprop -id "$window" WM_HINTS | grep -q "bitmap id # to use for icon" ||
    { echo "FAIL: the window has no icon"; cat "$log"; exit 1; }
sleep 0.5
kill -0 "$pid" 2>/dev/null || { echo "FAIL: the game stopped"; cat "$log"; exit 1; }
xdotool key Escape
for _ in $(seq 40); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
status=0
wait "$pid" || status=$?
pid=""
echo "installed game: window with its icon, exit status $status after Escape"
[ -s "$log" ] && { echo "standard error:"; cat "$log"; }
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq gorlak-zombies >/dev/null
added=0
[ ! -e /usr/bin/gorlak_zombies ] && [ ! -e /usr/share/gorlak-zombies ] ||
    { echo "FAIL: files left after removing the package"; exit 1; }
diff "$before" <(installed_packages) || { echo "FAIL: the installed packages changed"; exit 1; }
echo "package removed; installed packages as before"
echo "package test passed"
