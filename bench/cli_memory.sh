#!/usr/bin/env bash
# Measures the peak resident memory of tintara-fade (with /usr/bin/time -v) on huge input:
# - a 2-colour fade of one 100 MB line: target at most 1.5x the line plus 32 MB;
# - the same line with --ansi: target at most 3x the line plus 32 MB;
# - 3 colours on endless zero bytes, a line certain to fail: it must stop early, within 32 MB.
#
# Usage: bench/cli_memory.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
fade="$build/src/cli/tintara-fade"
[ -x "$fade" ] || { echo "no $fade: build first (scripts/test or scripts/run)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time (GNU time) is needed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
line_bytes=100000000
# (yes ends on a broken pipe, which is no failure here.)
(set +o pipefail; yes 'The quick brown fox jumps over the lazy dog. ' | tr -d '\n' |
    head -c "$line_bytes") > "$work/line.txt"
echo >> "$work/line.txt"

# Peak resident memory in kB of the command, its input from the file given first.
peak_kb() {
    local input=$1
    shift
    /usr/bin/time -v "$@" < "$input" > /dev/null 2> "$work/time.txt" || true
    awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt"
}

# Prints the figure against its target: factor x the line plus 32 MB.
report() {
    local name=$1 kb=$2 factor=$3
    awk -v name="$name" -v kb="$kb" -v factor="$factor" -v line="$line_bytes" 'BEGIN {
        peak = kb * 1024; limit = factor * line + 32 * 1048576;
        printf "%s: %.0f MB peak, %.2fx the line (target <= %s x the line + 32 MB: %s)\n",
               name, peak / 1048576, peak / line, factor, (peak <= limit) ? "met" : "MISSED" }'
}

report "2 colours, one 100 MB line" \
    "$(peak_kb "$work/line.txt" "$fade" --colors ff0000,0000ff)" 1.5
report "--ansi, the same line" \
    "$(peak_kb "$work/line.txt" "$fade" --colors ff0000,0000ff --ansi)" 3
zeros_kb=$(peak_kb /dev/zero "$fade" --colors ff0000,00ff00,0000ff)
awk -v kb="$zeros_kb" 'BEGIN {
    printf "3 colours on endless zero bytes: stopped at %.1f MB peak (target <= 32 MB: %s)\n",
           kb / 1024, (kb <= 32 * 1024) ? "met" : "MISSED" }'
