#!/usr/bin/env bash
# The real program under Xvfb with a real window manager (openbox), driven as
# a user would with xdotool: quick clicks leave no window stuck to the
# pointer, Alt+F4 on the coded-text window hides it until the next fade,
# access key 1 of "edit palette" picks slot 1, F10 opens the options menu,
# the preview opens below the coded-text window and moves when dragged,
# minimise and restore bring both windows back usable, and Alt+F4 on the main
# window ends the program. Every step waits for the state it needs.
# Usage: window_manager_test.sh TINTARA TINTARA_FADE
set -euo pipefail
if [ "${1:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" --inside "$@"
fi
tintara=$2 fade=$3
screen_width=1280 screen_height=800

work=$(mktemp -d)
chmod 700 "$work"
# A lock of its own, away from any instance the user runs.
export XDG_RUNTIME_DIR=$work
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
# TINTARA_SHOT=FILE keeps a picture of the screen at a failure.
fail() {
    echo "window_manager: $*" >&2
    [ -z "${TINTARA_SHOT:-}" ] || import -window root "$TINTARA_SHOT"
    exit 1
}

# Runs the command until it succeeds, for up to about 5 s.
wait_until() {
    local _
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
hidden() { ! shown "$1"; }
# A popup menu: a window of the program without a title of its own.
menu_open() {
    local window
    for window in $(xdotool search --onlyvisible --class '^tintara$' 2>/dev/null); do
        case "$(xdotool getwindowname "$window")" in
        'tintara deluxe - vorlen' | 'html display window' | 'preview window') ;;
        *) return 0 ;;
        esac
    done
    return 1
}
menu_closed() { ! menu_open; }
geometry() { xdotool getwindowgeometry --shell "$1"; }
left_of() { geometry "$1" | sed -n 's/^X=//p'; }
top_of() { geometry "$1" | sed -n 's/^Y=//p'; }
width_of() { geometry "$1" | sed -n 's/^WIDTH=//p'; }
height_of() { geometry "$1" | sed -n 's/^HEIGHT=//p'; }
place_of() { echo "$(left_of "$1"),$(top_of "$1")"; }
at_place() { [ "$(place_of "$1")" = "$2" ]; }
activate() { timeout 5 xdotool windowactivate --sync "$1" >/dev/null; }
open_options() {
    activate "$main"
    xdotool key F10
    wait_until menu_open || fail "F10 did not open the options menu"
}
clipboard_is() { [ "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until wm_ready || fail "openbox did not start"

"$tintara" &
app=$!
pids+=("$app")
splash=$(find_window introduction) || fail "the splash did not appear"
[ -n "$splash" ] || fail "the splash did not appear"
xdotool mousemove --window "$splash" 100 30 click --repeat 2 --delay 80 1
main=$(find_window 'tintara deluxe - vorlen') || fail "no main window"
coded=$(find_window 'html display window') || fail "no coded-text window"
[ -n "$main" ] && [ -n "$coded" ] || fail "the working windows did not appear"

# Instant clicks on each body, then the pointer moves on with no button held.
main_place=$(place_of "$main") coded_place=$(place_of "$coded")
xdotool mousemove --window "$main" 155 45 click 1 mousemove_relative 60 40
xdotool mousemove --window "$coded" 5 21 click 1 mousemove_relative -- -50 30
# The menu opening shows the program has handled those moves.
open_options
xdotool key Escape
wait_until menu_closed || fail "Escape did not close the options menu"
[ "$(place_of "$main")" = "$main_place" ] || fail "the main window followed the pointer"
[ "$(place_of "$coded")" = "$coded_place" ] || fail "the coded-text window followed the pointer"

# Alt+F4 on the coded-text window hides it; the next fade brings it back.
activate "$coded"
xdotool key alt+F4
wait_until hidden 'html display window' || fail "Alt+F4 did not close the coded-text window"
shown 'tintara deluxe - vorlen' || fail "closing the coded-text window closed the main window"
activate "$main"
xdotool key alt+f
wait_until shown 'html display window' || fail "a fade did not bring the coded-text window back"
# Closing gave up the old X window; the window comes back as a new one.
coded=$(find_window 'html display window')
wait_until at_place "$coded" "$coded_place" ||
    fail "the coded-text window came back at $(place_of "$coded"), not at $coded_place"

# Access key 1 picks slot 1 (after slot 2): it then turns cyan, and a fade
# starts from cyan.
open_options
xdotool key p 2
wait_until menu_closed || fail "p, 2 did not pick slot 2"
open_options
xdotool key p 1
wait_until menu_closed || fail "p, 1 did not pick slot 1"
xdotool mousemove --window "$main" 40 57 click 1
xdotool key Tab Home
expected=$("$fade" --colors 00ffff,ffffff 'cyan first')
faded_from_cyan() {
    # The slot takes the colour on the window's next 100 ms tick.
    xdotool mousemove --window "$main" 80 104 click 1 key ctrl+a type 'cyan first'
    xdotool key Return
    xdotool mousemove --window "$coded" 66 95 click 1
    wait_until clipboard_is "$expected"
}
wait_until faded_from_cyan || fail "access key 1 did not pick slot 1"

# The preview opens just below the coded-text window, on the screen, and
# moves when its body is dragged.
activate "$coded"
xdotool key alt+p
preview=$(find_window 'preview window') || fail "no preview window"
[ "$(left_of "$preview")" -eq "$(left_of "$coded")" ] ||
    fail "the preview is not aligned with the coded-text window"
[ "$(top_of "$preview")" -eq $(($(top_of "$coded") + $(height_of "$coded") + 1)) ] ||
    fail "the preview is not just below the coded-text window"
[ $(($(left_of "$preview") + $(width_of "$preview"))) -le $screen_width ] &&
    [ $(($(top_of "$preview") + $(height_of "$preview"))) -le $screen_height ] ||
    fail "the preview is not fully on the screen"
preview_left=$(left_of "$preview")
xdotool mousemove --window "$preview" 1 1 mousedown 1
for _ in $(seq 8); do xdotool mousemove_relative 5 4; done
xdotool mouseup 1
moved_right() { [ "$(left_of "$preview")" -gt $((preview_left + 20)) ]; }
wait_until moved_right || fail "dragging the preview's body did not move it"

# Minimise and restore: both windows come back, and the coded-text window
# answers clicks.
echo -n nothing | xclip -selection clipboard
open_options
xdotool key m
wait_until hidden 'tintara deluxe - vorlen' || fail "minimize left the main window shown"
wait_until hidden 'html display window' || fail "minimize left the coded-text window shown"
timeout 5 xdotool windowactivate "$main" || true
wait_until shown 'tintara deluxe - vorlen' || fail "the main window was not restored"
wait_until shown 'html display window' || fail "the coded-text window was not restored"
xdotool mousemove --window "$coded" 66 95 click 1
wait_until clipboard_is "$expected" || fail "the restored coded-text window ignores clicks"

# Alt+F4 on the main window ends the program within 2 s.
activate "$main"
started=$(date +%s%N)
xdotool key alt+F4
ended() { ! kill -0 "$app" 2>/dev/null; }
wait_until ended || fail "Alt+F4 on the main window did not end the program"
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
[ "$elapsed_ms" -lt 2000 ] || fail "the program took ${elapsed_ms} ms to end"
echo "window_manager: passed"
