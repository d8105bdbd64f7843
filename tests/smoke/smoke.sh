#!/bin/bash
# Starts the real game under Xvfb: the options window, "Start >>", the hub, and the close box.
# Also a game folder without its subject: only the "Error" box, and exit code 0.
set -u
GAME="$1"; CLOSE="$2"; SHOTS="$3"
if [ "${CI:-}" != "true" ] && [ -z "${QB_SMOKE:-}" ]; then
  echo "smoke test skipped (set CI=true or QB_SMOKE=1)"; exit 77
fi
GAMEDIR=$(dirname "$GAME")
mkdir -p "$SHOTS"
WORK=$(mktemp -d)
fail() { echo "FAIL: $*"; [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null; kill "$XVFB" 2>/dev/null; rm -rf "$WORK"; exit 1; }

for n in $(seq 90 120); do [ -e /tmp/.X$n-lock ] || { DISPLAYNUM=$n; break; }; done
Xvfb :$DISPLAYNUM -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=:$DISPLAYNUM
for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export HOME="$WORK/home" SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"

wait_window() {   # start of the window's title, seconds -> window id
  # xwininfo reads the title as the desktop shows it (_NET_WM_NAME), which SDL sets.
  local id=""
  for i in $(seq $(( $2 * 10 ))); do
    id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$1" | head -1 | awk '{print $1}')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
not_blank() {   # a picture with some variety in it
  local sd; sd=$(convert "$1" -format "%[fx:standard_deviation]" info: 2>/dev/null)
  awk -v s="${sd:-0}" 'BEGIN { exit !(s > 0.02) }'
}

# 1. The real program: options window, Start, hub, close box.
( cd "$GAMEDIR" && exec "$GAME" ) > "$WORK/out.txt" 2>&1 &
PID=$!
OPTIONS=$(wait_window "Quillbrook Learning Rizizer - Parent & Teachers Panel" 20) || fail "the options window did not open"
sleep 0.5
import -window root "$SHOTS/options.png"
not_blank "$SHOTS/options.png" || fail "the options window looks blank"
eval "$(xdotool getwindowgeometry --shell "$OPTIONS")"
xdotool mousemove $((X + 367)) $((Y + 250)) click 1    # "Start >>"
GAMEWIN=$(wait_window "Quillbrook Rizizer - " 30) || fail "the game window did not open"
sleep 3
import -window root "$SHOTS/hub.png"
not_blank "$SHOTS/hub.png" || fail "the hub looks blank"
NAME=$(xwininfo -id "$GAMEWIN" | head -2 | tail -1)
echo "game window: $NAME"
echo "$NAME" | grep -q '"Quillbrook Rizizer - .\+"' || fail "caption is not the subject's: $NAME"
"$CLOSE" "$GAMEWIN"
for i in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PID" 2>/dev/null && fail "the game did not end when its window was closed"
wait "$PID"; STATUS=$?
[ "$STATUS" -eq 0 ] || fail "exit code $STATUS"

# 2. A game folder without its subject: only the "Error" box, then exit code 0.
mkdir -p "$WORK/empty"
cp "$GAME" "$WORK/empty/"
( cd "$WORK/empty" && exec ./$(basename "$GAME") ) > "$WORK/err.txt" 2>&1 &
PID=$!
BOX=$(wait_window "Error\"" 20) || fail "no Error box for a missing subject"
sleep 0.5
import -window root "$SHOTS/error.png"
xwininfo -root -tree | grep -qF "Parent & Teachers Panel" && fail "the options window opened"
xdotool windowfocus --sync "$BOX" key Return
for i in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$PID" 2>/dev/null && fail "the game did not end after the Error box"
wait "$PID"; STATUS=$?
[ "$STATUS" -eq 0 ] || fail "exit code $STATUS after the Error box"
grep -q "Failed to read QBA.ini" "$WORK/err.txt" || fail "the message did not reach standard error"

kill "$XVFB" 2>/dev/null
rm -rf "$WORK"
echo "smoke test passed: options window, hub and both ways out"
