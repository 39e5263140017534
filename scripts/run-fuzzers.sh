#!/usr/bin/env bash
# Runs every fuzz target of a sanitizer build, one after the other, each for the same time
# (seconds, 20 unless given). Any crash, leak, sanitizer report or time-out fails the run.
set -euo pipefail
build_dir=$1
seconds=${2:-20}
fuzz_dir=$build_dir/tests/fuzz
corpus_root=$(dirname "$0")/../tests/fuzz/corpus

mapfile -t targets < <(find "$fuzz_dir" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets built in $fuzz_dir"
    exit 0
fi
for target in "${targets[@]}"; do
    name=$(basename "$target")
    work=$(mktemp -d)
    seeds=()
    [ -d "$corpus_root/$name" ] && seeds=("$corpus_root/$name")
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/" "$work" "${seeds[@]}" 2>"$work/log" || {
        tail -n 60 "$work/log"
        echo "fuzz target $name found a fault; inputs kept in $work"
        exit 1
    }
    grep -E '^(stat::number_of_executed_units|Done)' "$work/log" || true
    rm -rf "$work"
done
echo "fuzzing: ${#targets[@]} passed, 0 failed"
