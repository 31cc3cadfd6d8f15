#!/usr/bin/env bash
# The real program under Xvfb, used as a person would: a second start ends at
# once, a single click leaves the splash, a double-click opens the windows, a
# colour is set with the keyboard, a line is typed and faded with Enter, and
# "copy" puts the coded text on the clipboard. A killed instance does not
# block the next start.
# Usage: end_to_end_test.sh TINTARA TINTARA_FADE
set -euo pipefail
if [ "${1:-}" != --inside ]; then
    # -noreset: otherwise the server resets when its last client leaves, as the
    # killed instance may be, and refuses the next connections meanwhile.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" --inside "$@"
fi
tintara=$2 fade=$3

work=$(mktemp -d)
chmod 700 "$work"
# A lock of its own, away from any instance the user runs.
export XDG_RUNTIME_DIR=$work
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "end_to_end: $*" >&2; exit 1; }
pause() { sleep 0.3; }
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
visible_count() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
top_of() { xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}'; }
left_of() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}'; }
height_of() { xwininfo -id "$1" | awk '/Height:/ {print $2}'; }

"$tintara" &
pids+=($!)
splash=$(find_window introduction) || fail "the splash did not appear"
[ -n "$splash" ] || fail "the splash did not appear"

started=$(date +%s%N)
timeout 5 "$tintara" >"$work/second.out" 2>&1 || fail "a second start did not end by itself"
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
[ "$elapsed_ms" -lt 2000 ] || fail "a second start took ${elapsed_ms} ms to end"
[ ! -s "$work/second.out" ] || fail "a second start printed: $(cat "$work/second.out")"
[ "$(visible_count introduction)" -eq 1 ] || fail "a second start showed a window"

xdotool mousemove --window "$splash" 100 30 click 1
sleep 0.8
[ "$(visible_count introduction)" -eq 1 ] || fail "a single click closed the splash"
[ "$(visible_count 'tintara deluxe - vorlen')" -eq 0 ] || fail "a single click opened the windows"

xdotool mousemove --window "$splash" 100 30 click --repeat 2 --delay 80 1
main=$(find_window 'tintara deluxe - vorlen') || fail "no main window after a double-click"
coded=$(find_window 'html display window') || fail "no coded-text window after a double-click"
pause
[ "$(visible_count introduction)" -eq 0 ] || fail "the splash stayed after a double-click"
[ "$(top_of "$coded")" -eq $(($(top_of "$main") + $(height_of "$main") + 1)) ] ||
    fail "the coded-text window is not just below the main window"
[ "$(left_of "$coded")" -eq "$(left_of "$main")" ] || fail "the windows are not aligned"

# Slot 1 becomes cyan: focus the colour sample, Tab to the red bar, Home.
xdotool mousemove --window "$main" 40 57 click 1
pause
xdotool key Tab Home
# Give the slot timer time to copy the colour into the slot.
sleep 0.5
xdotool mousemove --window "$main" 80 104 click 1
pause
xdotool key ctrl+a
xdotool type --delay 20 'Hello, <world> & all'
xdotool key Return
pause

xdotool mousemove --window "$coded" 66 95 click 1
expected=$("$fade" --colors 00ffff,ffffff 'Hello, <world> & all')
copied=
for _ in $(seq 20); do
    pause
    copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) || continue
    [ "$copied" = "$expected" ] && break
done
[ "$copied" = "$expected" ] || fail "the clipboard holds '$copied', expected '$expected'"

# A killed instance leaves its lock behind; the next start takes it over.
kill -9 "${pids[0]}"
wait "${pids[0]}" 2>/dev/null || true
"$tintara" &
pids+=($!)
find_window introduction >/dev/null || fail "a start after a killed instance showed no splash"
echo "end_to_end: passed"
