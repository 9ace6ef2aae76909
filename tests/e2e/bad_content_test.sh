#!/usr/bin/env bash
# Runs the game on a copy of the shipped content with one file damaged and
# checks the outcome: either the game runs (exit 0; any line it writes names
# the damaged file), runs after saying so (exit 0 and exactly one line naming
# the file) or it stops at once with exactly one line on standard error
# naming the file and exit status 1. A crash, a hang or a sanitizer report
# fails the case.
#   bad_content_test.sh <runner> <repository> <case> <runs|warns|fails>
# <runner> is the game's program loop quit by the test after a few frames.
set -u
runner=$1
repo=$2
case_name=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$repo/settings.xml" "$repo/data" "$work/"
cd "$work" || exit 1

level=data/levels/level01_first_steps.xml
level_picture=data/levels/level01_first_steps.png
background=data/gfx/bg_gate.png

# Pseudo-random bytes, the same on every run.
garbage() {
    LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 3000; ++i) printf "%c", int(rand() * 256) }' > "$1"
}
truncate_half() {
    local size
    size=$(stat -c %s "$1")
    head -c $((size / 2)) "$1" > "$1.part" && mv "$1.part" "$1"
}
# An element nested this deep around a copy of the file's own root.
deep_nesting() {
    local depth=100000
    { printf '<Root>'; for ((i = 0; i < depth; ++i)); do printf '<a>'; done
      for ((i = 0; i < depth; ++i)); do printf '</a>'; done; printf '</Root>\n'; } > "$1.deep"
    mv "$1.deep" "$1"
}
# Writes the picture again through convert with the given options and format.
picture_as() {
    local file=$1 format=$2
    shift 2
    convert "$file" "$@" "$format:$file.new" && mv "$file.new" "$file"
}

# Which file a case damages.
target_of() {
    case $1 in
        settings_*) echo settings.xml ;;
        animations_*) echo data/gfx/animations.xml ;;
        levels_*) echo data/levels.xml ;;
        level_picture_*) echo "$level_picture" ;;
        level_*) echo "$level" ;;
        background_*) echo "$background" ;;
        startup_background_*) echo data/gfx/gorlak_background.png ;;
        collectable_*) echo data/gfx/collectable.png ;;
        lawnmower_*) echo data/gfx/lawnmower.png ;;
        door_*) echo data/gfx/door.png ;;
        player_*) echo data/gfx/player_avatar.png ;;
        zombie_*) echo data/gfx/zombie_sprite.png ;;
        icon_*) echo data/gfx/icon.png ;;
    esac
}

file=$(target_of "$case_name")
[ -n "$file" ] || { echo "unknown case $case_name"; exit 2; }
# The names that may appear in a line about the file: itself, and for the
# level's pictures the level file that names them.
names=("$file")
case $file in "$level_picture" | "$background") names+=("$level") ;; esac

damage=${case_name#"${case_name%_*}"_}
case $case_name in
    level_picture_1x1) damage=1x1 ;;
    level_picture_4096) damage=4096 ;;
    *_out_of_range) damage=out_of_range ;;
    *_far_frames) damage=far_frames ;;
esac
case $damage in
    missing) rm -f "$file" ;;
    empty) : > "$file" ;;
    truncated) truncate_half "$file" ;;
    garbage) garbage "$file" ;;
    directory) rm -f "$file" && mkdir "$file" ;;
    deep) deep_nesting "$file" ;;
    paletted) picture_as "$file" PNG8 -colors 16 ;;
    grey) picture_as "$file" PNG -colorspace Gray -depth 8 -define png:color-type=0 ;;
    16bit) picture_as "$file" PNG48 -depth 16 ;;
    1x1) convert -size 1x1 xc:white "PNG24:$file" ;;
    4096) convert -size 4096x4096 xc:black -fill white -draw "rectangle 0,200 4095,4095" \
              -fill blue -draw "point 20,180" "PNG24:$file" ;;
    far_frames)
        # Frames at the far end of the int range: clipping them must not overflow.
        sed -i 's|<Rect x="[0-9]*" y="[0-9]*"|<Rect x="2147483647" y="2147483647"|' "$file" ;;
    out_of_range)
        case $file in
            settings.xml) printf '<GorlakSettings><Fullscreen>7</Fullscreen><Width>100000</Width><Height>-5</Height><PixelSize>-2147483648</PixelSize></GorlakSettings>\n' > "$file" ;;
            data/gfx/animations.xml)
                sed -i 's|<FrameLength>[0-9]*</FrameLength>|<FrameLength>2147483647</FrameLength>|; s|<Rect x="[0-9]*"|<Rect x="-2147483648" w="99999999"|' "$file" ;;
            data/levels.xml) sed -i 's|position="7"|position="99999999999"|; s|position="6"|position="-3"|' "$file" ;;
            "$level") sed -i 's|<CameraPan>0</CameraPan>|<CameraPan>1</CameraPan>|; s|<CameraPanSpeed>[^<]*<|<CameraPanSpeed>1e39<|; s|<CameraPanX>[^<]*<|<CameraPanX>-1e30<|; s|<Xpos>8</Xpos>|<Xpos>2147483647</Xpos>|; s|radius="60"|radius="-1e38"|; s|r="255"|r="300"|' "$file" ;;
        esac ;;
    *) echo "unknown damage $damage"; exit 2 ;;
esac

expect=$4
timeout -k 5 60 "$runner" 30 >/dev/null 2>stderr.log
status=$?
lines=$(grep -c '' stderr.log)
echo "case $case_name: exit status $status, $lines line(s) on standard error"
cat stderr.log

names_file() {
    local line=$1 name
    for name in "${names[@]}"; do
        [[ $line == *"$name"* ]] && return 0
    done
    return 1
}
while IFS= read -r line; do
    names_file "$line" || { echo "FAIL: a line does not name $file"; exit 1; }
done < stderr.log

case $expect in
    runs) [ "$status" -eq 0 ] || { echo "FAIL: expected the game to run and quit with 0"; exit 1; } ;;
    warns) [ "$status" -eq 0 ] && [ "$lines" -eq 1 ] ||
               { echo "FAIL: expected exactly one line and the game to run and quit with 0"; exit 1; } ;;
    fails) [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] ||
               { echo "FAIL: expected exit status 1 and exactly one line"; exit 1; } ;;
    *) echo "unknown outcome $expect"; exit 2 ;;
esac
