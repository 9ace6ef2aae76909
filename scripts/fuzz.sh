#!/usr/bin/env bash
# Builds the XML fuzzer with clang++ and runs it for SECONDS (default 60) on
# a corpus seeded with the repository's .xml files and a few hostile shapes,
# with inputs of up to 64 KB. Exits non-zero when the fuzzer finds a crash, a
# leak, undefined behaviour, a hang or an input that takes over a second.
set -euo pipefail
seconds=${1:-60}
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir="$repo/build-fuzz"

cmake -S "$repo" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DGORLAK_FUZZ=ON -DGORLAK_TESTS=OFF -DGORLAK_BENCHMARKS=OFF >/dev/null
cmake --build "$dir" -j2 --target xml_fuzz

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
count=0
while IFS= read -r -d '' file; do
    cp "$file" "$corpus/seed_$count.xml"
    count=$((count + 1))
done < <(find "$repo" \( -path "$repo/.git" -o -path "$repo/build*" \) -prune -o -name '*.xml' -type f -print0)
# Hostile shapes a scanner can go slow on: one long word with many
# attributes after it, many attributes with long names, a tag over many lines.
python3 - "$corpus" <<'PY'
import sys
d = sys.argv[1]
open(f"{d}/hostile_word.xml", "w").write("<" + "w" * 8000 + ' ="1"' * 8000 + ">")
open(f"{d}/hostile_names.xml", "w").write("<a " + " ".join("n%d%s=\"1\"" % (i, "x" * 40) for i in range(1200)) + ">")
open(f"{d}/hostile_lines.xml", "w").write("<a\n" + 'b="1"\n' * 9000 + ">")
PY
count=$((count + 3))
echo "Fuzzing for $seconds s from $count seed files"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$dir/fuzz/xml_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=1 -rss_limit_mb=2048 \
    -dict="$repo/fuzz/xml.dict" -artifact_prefix="$dir/" -print_final_stats=1 "$corpus"
