#!/usr/bin/env bash
# Starts vorbin.exe, checks the window, starts a game with a click on "GIOCA", walks a few
# steps, takes screenshots, then leaves with "Chiudi" and Yes and expects exit code 0.
# Needs DISPLAY and the Wine environment of the test command; uses xdotool and ImageMagick.
set -u
EXE=$1
OUT=$2
RUN=$3
mkdir -p "$OUT"

fail() {
    echo "FAIL: $*"
    [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null
    exit 1
}

"$RUN" "$EXE" &
PID=$!

# The main window: its caption starts with "Vorbin ".
WIN=""
for _ in $(seq 1 100); do
    WIN=$(xdotool search --onlyvisible --name '^Vorbin ' 2>/dev/null | head -1)
    [ -n "$WIN" ] && break
    kill -0 "$PID" 2>/dev/null || fail "the game ended before its window showed"
    sleep 0.2
done
[ -n "$WIN" ] || fail "no game window"
sleep 1 # let the first paint finish

eval "$(xdotool getwindowgeometry --shell "$WIN")" # X, Y, WIDTH, HEIGHT (with Wine's frame)
# Wine draws its own frame (3 pixels at the sides and the bottom); the caption and the menu
# bar sit above the client area.
BORDER=$(((WIDTH - 640) / 2))
TOP=$((HEIGHT - 480 - BORDER))
echo "window ${WIDTH}x${HEIGHT} at ${X},${Y}; client origin +${BORDER},+${TOP}"
[ "$BORDER" -eq 3 ] || fail "client width is not 640 (window width $WIDTH)"
[ "$TOP" -ge 35 ] && [ "$TOP" -le 60 ] || fail "client height is not 480 (window height $HEIGHT)"
CX=$((X + BORDER))
CY=$((Y + TOP))

shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT/$1.png"; }
# Mean colour of one field cell (column, row) as "R G B" in 0..255.
cell_rgb() {
    local x=$((CX + 20 + 27 * $1)) y=$((CY + 72 + 27 * $2))
    import -window root -crop "27x27+${x}+${y}" +repage -resize 1x1\! -depth 8 txt:- |
        sed -n 2p | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}
is_black() { read -r r g b <<<"$1"; [ $((r + g + b)) -lt 30 ]; }

# Idle picture: row 1 of the field is empty, the player stands at (8, 8).
shot idle
is_black "$(cell_rgb 5 1)" || fail "cell (5, 1) is not empty on the idle screen"
is_black "$(cell_rgb 8 8)" && fail "no player at (8, 8) on the idle screen"

# "GIOCA" (512, 40, 100 x 40): level 1 has a wall at (5, 1).
xdotool mousemove "$((CX + 562))" "$((CY + 60))" click 1
sleep 1
is_black "$(cell_rgb 5 1)" && fail "the click on GIOCA did not start level 1"
# A few steps to the right along row 13.
xdotool keydown Right
sleep 0.7
xdotool keyup Right
sleep 0.5
shot playing
echo "screenshots in $OUT"

# "Chiudi" (512, 140), then Yes in the question box.
xdotool mousemove "$((CX + 562))" "$((CY + 160))" click 1
ASK=""
for _ in $(seq 1 50); do
    ASK=$(xdotool search --onlyvisible --name '^Uscita$' 2>/dev/null | head -1)
    [ -n "$ASK" ] && break
    sleep 0.2
done
[ -n "$ASK" ] || fail "no exit question"
xdotool windowfocus --sync "$ASK" 2>/dev/null
xdotool key --window "$ASK" Return 2>/dev/null # the box may vanish before the key is released

for _ in $(seq 1 100); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$PID" 2>/dev/null && fail "the game did not end after Yes"
wait "$PID"
CODE=$?
[ "$CODE" -eq 0 ] || fail "exit code $CODE"
echo "PASS"
