#!/usr/bin/env bash
# Runs the chat delivery for real under Wine: the sender program (the program's own chat
# command over the Win32 window system) against the stand-in chat client, as two processes.
# Usage: run_wine_test.sh CLIENT_EXE SENDER_EXE PREFIX_DIR
# The Wine prefix is made once (about 9 s) and kept in PREFIX_DIR for later runs.
set -euo pipefail

client_exe=$1
sender_exe=$2
export WINEPREFIX=$3
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Windows work headless only when the null graphics driver is chosen before the first one.
if [ ! -f "$WINEPREFIX/.headless-ready" ]; then
    rm -rf "$WINEPREFIX"
    timeout 120 wine wineboot --init >/dev/null 2>&1
    timeout 60 wineserver -w
    timeout 60 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f \
        >/dev/null 2>&1
    timeout 60 wineserver -w
    touch "$WINEPREFIX/.headless-ready"
fi

work=$(mktemp -d)
client_pid=
cleanup() {
    [ -n "$client_pid" ] && kill "$client_pid" 2>/dev/null
    timeout 20 wineserver -k || true
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

# The coded text holds closing tags in three spellings and a non-ASCII character (UTF-8).
printf '<U><Font Color=#FF0000>H</Font><Font Color=#00FF00>\xc3\xa9</font><Font Color=#0000FF>!</FONT></U>' \
    >coded.txt
printf '.::html displayer::.' >placeholder.txt
# What the room must receive, and the user's line, in code page 1252.
expected_line=$(printf '<U><Font Color=#FF0000>H<Font Color=#00FF00>\xe9<Font Color=#0000FF>!</U>')
expected_box=$(printf 'half-typed caf\xe9')

# No client running: the command ends quietly.
start=$SECONDS
timeout 30 wine "$sender_exe" coded.txt >out.txt 2>err.txt || fail "sender without a client exited with $?"
[ ! -s out.txt ] && [ ! -s err.txt ] || fail "sender without a client printed: $(cat out.txt err.txt)"
echo "no client: ended quietly in $((SECONDS - start)) s"

timeout 60 wine "$client_exe" &
client_pid=$!
for _ in $(seq 200); do
    [ -s ready.txt ] && break
    sleep 0.05
done
[ -s ready.txt ] || fail "the stand-in client did not start"
grep -q 'room-not-first' ready.txt || fail "the chat room is listed first: $(cat ready.txt)"

# The placeholder goes as the empty text, which leaves the room alone: the send button, which
# acts late, must not send the half-typed line either.
timeout 30 wine "$sender_exe" coded.txt placeholder.txt || fail "sender exited with $?"
touch stop
wait "$client_pid" || fail "the stand-in client exited with $?"
client_pid=

[ -f chat.log ] || fail "nothing reached the chat room"
[ "$(cat chat.log)" = "$expected_line" ] || fail "the room received: $(cat -v chat.log)"
[ "$(wc -l <chat.log)" -eq 1 ] || fail "the room received more than one line: $(cat -v chat.log)"
[ "$(cat box.txt)" = "$expected_box" ] || fail "the input box holds: $(cat -v box.txt)"
echo "chat room: received the coded line; the half-typed line is back"
