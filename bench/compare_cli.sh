#!/usr/bin/env bash
# Times tintara-fade as a whole process on 2,000 lines of 500 characters with
# 10 colours (1 M characters in, 28 MB out) against the npm package
# gradient-string (version 3, on Node.js) fading the same lines with the same
# stops, and against cat passing the 28 MB of output through a pipe; and
# tintara-fade --ansi, which renders each faded line for the terminal, against
# its plain output.
# Targets: at least 100x faster than gradient-string, within 3x of cat; --ansi
# within 3x of plain output.
#
# Usage: bench/compare_cli.sh [BUILD_DIR]   (default: build)
# Needs node and npm; installs gradient-string into a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
fade="$build/src/cli/tintara-fade"
[ -x "$fade" ] || { echo "no $fade: build first (scripts/test or scripts/run)" >&2; exit 2; }
command -v npm > /dev/null || { echo "npm is needed for the comparison" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stops=ff0000,ff8000,ffff00,80ff00,00ff00,00ffff,0080ff,0000ff,8000ff,ff00ff

# Printable ASCII lines, each 500 characters, the same every run.
awk 'BEGIN { srand(7); for (l = 0; l < 2000; l++) { s = "";
     for (c = 0; c < 500; c++) s = s sprintf("%c", 32 + int(rand() * 95)); print s } }' \
    > "$work/input.txt"
"$fade" --colors "$stops" < "$work/input.txt" > "$work/output.txt"

echo "Installing gradient-string@3 into a temporary folder..."
(cd "$work" && npm init -y > /dev/null && npm install --silent --no-audit --no-fund gradient-string@3 > /dev/null)
cat > "$work/fade.mjs" <<'JS'
import gradient from 'gradient-string';
import { readFileSync } from 'node:fs';
const stops = process.argv[2].split(',').map((c) => '#' + c);
const fade = gradient(stops);
const lines = readFileSync(0, 'utf8').split('\n');
if (lines.at(-1) === '') lines.pop();
process.stdout.write(lines.map((line) => fade(line)).join('\n') + '\n');
JS

# The best of several runs, in milliseconds.
best_of() {
    local runs=$1 best= start end took
    shift
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@"
        end=$(date +%s%N)
        took=$(( (end - start) / 1000000 ))
        if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
    done
    echo "$best"
}
run_fade() { "$fade" --colors "$stops" < "$work/input.txt" | cat > /dev/null; }
run_ansi() { "$fade" --colors "$stops" --ansi < "$work/input.txt" | cat > /dev/null; }
run_cat() { cat "$work/output.txt" | cat > /dev/null; }
run_gradient() { FORCE_COLOR=3 node "$work/fade.mjs" "$stops" < "$work/input.txt" | cat > /dev/null; }

fade_ms=$(best_of 7 run_fade)
ansi_ms=$(best_of 7 run_ansi)
cat_ms=$(best_of 7 run_cat)
gradient_ms=$(best_of 3 run_gradient)
echo "output: $(wc -c < "$work/output.txt") bytes"
echo "tintara-fade:     ${fade_ms} ms"
echo "tintara-fade --ansi: ${ansi_ms} ms"
echo "cat of the output: ${cat_ms} ms"
echo "gradient-string:  ${gradient_ms} ms"
awk -v f="$fade_ms" -v c="$cat_ms" -v g="$gradient_ms" -v a="$ansi_ms" 'BEGIN {
    if (f < 1) f = 1; if (c < 1) c = 1;
    printf "gradient-string / tintara-fade: %.0fx (target >= 100x: %s)\n", g / f, (g / f >= 100) ? "met" : "MISSED";
    printf "tintara-fade / cat: %.2fx (target <= 3x: %s)\n", f / c, (f / c <= 3) ? "met" : "MISSED";
    printf "tintara-fade --ansi / plain: %.2fx (target <= 3x: %s)\n", a / f, (a / f <= 3) ? "met" : "MISSED" }'
