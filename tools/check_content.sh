#!/usr/bin/env bash
# Regenerates the content into a temporary directory and compares it byte
# for byte with the committed files; also reports committed pictures and
# sounds that no source produces any more.
set -u
generator=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$generator" "$root/art" "$tmp" || exit 1
status=0
while IFS= read -r file; do
    if [ ! -f "$root/$file" ]; then
        echo "$file: generated but not committed (run scripts/make_content.sh)"
        status=1
    elif ! cmp -s "$tmp/$file" "$root/$file"; then
        echo "$file: differs from what its source gives (run scripts/make_content.sh)"
        status=1
    fi
done < <(cd "$tmp" && find data packaging -type f | sort)
while IFS= read -r file; do
    [ -f "$tmp/$file" ] || { echo "$file: no source produces it"; status=1; }
done < <(cd "$root" && find data packaging/icons \( -name '*.png' -o -name '*.wav' \) | sort)
[ $status -eq 0 ] && echo "$(cd "$tmp" && find data packaging -type f | wc -l) generated files match"
exit $status
