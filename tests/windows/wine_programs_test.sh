#!/usr/bin/env bash
# The Windows programs under Wine, used as a Windows user would: tintara-fade.exe
# passes the command-line tests with the same expectations as on Linux, takes
# non-ASCII arguments and file names; tintara.exe, in Wine's X11 driver inside
# Xvfb, shows its splash, fades, copies, saves, refuses a second start, types a
# fade into the stand-in chat client's room from the real menu, and exits.
# Usage: wine_programs_test.sh WINDOWS_BUILD CLI_TESTS CLIENT_EXE
# TINTARA_WINE_GUI_ONLY=1 leaves out the command-line tests (several minutes
# through Wine), for quick rounds on the desktop program.
set -euo pipefail
if [ "${1:-}" != --inside ]; then
    # -noreset: the server must outlive every client the test kills.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" --inside "$@"
fi
windows_build=$(realpath "$2") cli_tests=$(realpath "$3") client_exe=$(realpath "$4")
tintara=$windows_build/tintara.exe fade=$windows_build/tintara-fade.exe
fail() {
    echo "wine_programs: $*" >&2
    import -window root "$windows_build/wine-failure.png" 2>/dev/null || true
    exit 1
}
pause() { sleep 0.3; }
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
visible_count() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

export WINEPREFIX=$windows_build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.ready" ]; then
    rm -rf "$WINEPREFIX"
    timeout 180 wine wineboot --init >/dev/null 2>&1 </dev/null
    timeout 60 wineserver -w
    touch "$WINEPREFIX/.ready"
fi
# Wine's background services inherit the first program's output and keep it
# open for ever; start them with theirs going nowhere.
timeout 60 wine wineboot >/dev/null 2>&1 </dev/null
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    timeout 20 wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
[ -n "${TINTARA_WINE_GUI_ONLY:-}" ] || {

echo "== tintara-fade.exe: the command-line tests"
# Those that set up POSIX-only conditions (named pipes, non-blocking pipes,
# memory limits, file modes, /dev/full) or match POSIX error texts stay on Linux.
posix_only=FadeSetCli.SetReadsPipesAsWellAsFiles:FadeSetCli.EveryFailureOfTheOpenCommandIsAnError
posix_only+=:FadeSetCli.AFailedSaveIsReportedAndChangesNothing:HostileInput.*
TINTARA_FADE_RUNNER=wine TINTARA_FADE=$fade timeout 900 "$cli_tests" --gtest_brief=1 \
    --gtest_filter="-$posix_only" || fail "the command-line tests failed against tintara-fade.exe"

echo "== tintara-fade.exe: non-ASCII text and file names"
expected='<Font Color=#800080>Ü</Font><Font Color=#0000FF>✓</Font>'
[ "$(timeout 30 wine "$fade" --colors ff0000,0000ff 'Ü✓')" = "$expected" ] ||
    fail "a non-ASCII argument was not faded whole"
folder='Überraschung ✓'
mkdir "$folder"
timeout 30 wine "$fade" --save-set "$folder/sonne ☀.tnf" --colors ff8000,800080 --italic ||
    fail "--save-set into '$folder' failed"
[ "$(timeout 30 wine "$fade" --set "$folder/sonne ☀.tnf" 'ab')" = \
    "$(timeout 30 wine "$fade" --colors ff8000,800080 --italic 'ab')" ] ||
    fail "--set from '$folder' did not fade with the saved set"

}

echo "== tintara.exe: the desktop program in Wine's X11 driver"
# The stand-in chat client, with a half-typed line in its room's input box.
timeout 120 wine "$client_exe" &
pids+=($!)
for _ in $(seq 200); do
    [ -s ready.txt ] && break
    sleep 0.05
done
[ -s ready.txt ] || fail "the stand-in chat client did not start"

timeout 300 wine "$tintara" &
pids+=($!)
splash=$(find_window introduction) || fail "the splash did not appear"
[ -n "$splash" ] || fail "the splash did not appear"
timeout 20 wine "$tintara" >/dev/null 2>&1 || fail "a second start did not end by itself"
[ "$(visible_count introduction)" -eq 1 ] || fail "a second start showed a window"

xdotool mousemove --window "$splash" 100 30 click --repeat 2 --delay 80 1
main=$(find_window 'tintara deluxe - vorlen') || fail "no main window after a double-click"
coded=$(find_window 'html display window') || fail "no coded-text window after a double-click"
pause
click "$main" 80 104
sleep 1
xdotool key ctrl+a
xdotool type --delay 30 'Hello <world>'
xdotool key Return
expected=$(timeout 30 wine "$fade" --colors ffffff,ffffff 'Hello <world>')
# Wine may handle the click before the keys that made the fade: copy again
# until the clipboard holds the fade.
copied=
for _ in $(seq 30); do
    click "$coded" 66 95
    pause
    copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) || continue
    [ "$copied" = "$expected" ] && break
done
[ "$copied" = "$expected" ] || fail "the clipboard holds '$copied', expected '$expected'"

# "ops." > "send coding to..." > "america online (4/5) chat...", from the keyboard.
click "$coded" 22 97
pause
xdotool key Down Down Right Return
for _ in $(seq 60); do
    [ -s chat.log ] && break
    pause
done
[ -s chat.log ] || fail "nothing reached the chat room"
sent=$(printf '%s' "$expected" | sed 's#</Font>##g')
[ "$(cat chat.log)" = "$sent" ] || fail "the room received: $(cat -v chat.log)"
touch stop
for _ in $(seq 60); do
    [ -s box.txt ] && break
    pause
done
[ "$(cat box.txt)" = "$(printf 'half-typed caf\xe9')" ] ||
    fail "the input box holds: $(cat -v box.txt)"

# "options" > "exit" ends the program.
click "$main" 124 127
pause
xdotool key x
for _ in $(seq 60); do
    [ "$(visible_count 'tintara deluxe - vorlen')" -eq 0 ] && break
    pause
done
[ "$(visible_count 'tintara deluxe - vorlen')" -eq 0 ] || fail "exit left the main window open"
echo "wine_programs: passed"
