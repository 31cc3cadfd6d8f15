#!/usr/bin/env bash
# Times tintara-fade as a whole process on the workload of compare_cli.sh
# (2,000 lines of 500 characters, 10 colours) in its default font tags, with
# --format span and with --merge. The runs take turns, so that a busy machine
# slows them alike, and the best of each counts.
# Targets: --format span and --merge each within 1.5x of the default.
#
# Usage: bench/compare_formats.sh [BUILD_DIR] [ROUNDS]   (default: build 15)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-15}
fade="$build/src/cli/tintara-fade"
[ -x "$fade" ] || { echo "no $fade: build first (scripts/test or scripts/run)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stops=ff0000,ff8000,ffff00,80ff00,00ff00,00ffff,0080ff,0000ff,8000ff,ff00ff

# Printable ASCII lines, each 500 characters, the same every run.
awk 'BEGIN { srand(7); for (l = 0; l < 2000; l++) { s = "";
     for (c = 0; c < 500; c++) s = s sprintf("%c", 32 + int(rand() * 95)); print s } }' \
    > "$work/input.txt"

names=(default span merge)
options=("" "--format span" "--merge")
best=(0 0 0)
for _ in $(seq "$rounds"); do
    for i in "${!names[@]}"; do
        start=$(date +%s%N)
        # shellcheck disable=SC2086 # the options are words
        "$fade" --colors "$stops" ${options[$i]} < "$work/input.txt" | cat > /dev/null
        end=$(date +%s%N)
        took=$(( (end - start) / 1000 ))
        if [ "${best[$i]}" -eq 0 ] || [ "$took" -lt "${best[$i]}" ]; then best[$i]=$took; fi
    done
done
for i in "${!names[@]}"; do
    # shellcheck disable=SC2086 # the options are words
    bytes=$("$fade" --colors "$stops" ${options[$i]} < "$work/input.txt" | wc -c)
    awk -v name="${names[$i]}:" -v us="${best[$i]}" -v bytes="$bytes" \
        'BEGIN { printf "%-8s %6.1f ms, %d bytes\n", name, us / 1000, bytes }'
done
for i in 1 2; do
    awk -v m="${best[$i]}" -v d="${best[0]}" -v name="${names[$i]}" 'BEGIN {
        printf "%s / default: %.2fx (target <= 1.5x: %s)\n", name, m / d, (m / d <= 1.5) ? "met" : "MISSED" }'
done
