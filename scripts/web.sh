#!/usr/bin/env bash
# Installs what is missing, builds the game as a web page in build-web/page
# and serves it on 127.0.0.1 (port 8080, or the one given): open the printed
# address in a browser. The folder is static files; any web server can
# publish it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${web_packages[@]}"
build_web "$repo/build-web"
port=${1:-8080}
echo "Play Gorlak Zombies at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$repo/build-web/page" "$port"
