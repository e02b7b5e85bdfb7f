#!/bin/sh
# Figures of the radio and the music in the running game, under a virtual X
# display and the PulseAudio server of $XDG_RUNTIME_DIR (scripts/test shows
# how to start a private one with a null sink). The companion server's files
# are served on 127.0.0.1:8066 by python3's http.server, which must be free.
#   - the time from the click on the menu's radio to the game's audio stream
#     appearing on the sound server;
#   - idle CPU in the menu without music, with only the background song,
#     and with the radio, an MP3 song and the background song playing;
#   - with SHOTS=folder, screenshots of the menu and of the radio dialog.
# usage: tests/media/media-figures.sh [build dir]
set -e
build=$(cd "${1:-build}" && pwd)
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1100x24" sh "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
server_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
family="$work/Tavlira"
program="$family/Tavlira-Duo"
mkdir -p "$program"
cp "$build"/run/Tavlira/QelRadio02.dll "$build"/run/Tavlira/QelRadio.rad "$family"/
# The radio tuned to the local test station, off.
printf 'Tavlira Test Station\r\nhttp://127.0.0.1:8066/radio/test.mp3\r\nRussian Federation\r\nRRADIO_LOGO_TESTLOC\r\n0\r\n30\r\n0\r\n' \
    >"$family/QelRadio.ini"
cp "$build"/run/Tavlira/Tavlira-Duo/tavlira-duo "$build"/run/Tavlira/Tavlira-Duo/Tavlira2.clb \
   "$build"/run/Tavlira/Tavlira-Duo/Tavlira2.net "$program"/
( cd "$build/run/server/files" && exec python3 -m http.server 8066 --bind 127.0.0.1 ) \
    >"$work/server.log" 2>&1 &
server_pid=$!
sleep 1
hz=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
idle_cpu() {
    before=$(cpu_ticks "$1"); sleep "$2"; after=$(cpu_ticks "$1")
    echo "$before $after $hz $2" | awk '{printf "%.2f", 100 * ($2 - $1) / $3 / $4}'
}
now_ms() { date +%s%3N; }
# settings GENERAL: the settings file with the given general flags, the
# other lines empty ("#" and missing values keep their defaults).
settings() {
    { echo; echo "$1"; for line in $(seq 33); do echo; done; } >"$program/Tavlira2.ini"
}
start_game() {
    "$program/tavlira-duo" 2>"$work/game.log" & game_pid=$!
    until xwininfo -name Tavlira-Duo 2>/dev/null | grep -q IsViewable; do sleep 0.1; done
    window=$(xdotool search --onlyvisible --name Tavlira-Duo | head -1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    sleep 2
}
stop_game() {
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
    while xwininfo -name Tavlira-Duo >/dev/null 2>&1; do sleep 0.1; done
}
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click "${3:-1}"; }
streams() { pactl list short sink-inputs 2>/dev/null | wc -l; }

# 0. For comparison: the large window (size 5) with sound but no music.
settings "#2######5"
start_game
click 760 500 # leaves the title
sleep 2
echo "idle CPU in the menu, no music, over 10 s: $(idle_cpu "$game_pid" 10) %"
stop_game

# 1. The radio off at the start, the background song on the title and menu;
# the station list from the server.
settings "########5"
start_game
click 760 500 # leaves the title
sleep 2
echo "idle CPU in the menu, background song playing, over 10 s: $(idle_cpu "$game_pid" 10) %"
# The radio stands in the bottom left corner (220 x 125, 10 from the edges).
before=$(streams)
start=$(now_ms)
click 120 $((HEIGHT - 70))
until [ "$(streams)" -gt "$before" ]; do sleep 0.005; done
echo "radio click to its audio stream on the sound server: $(($(now_ms) - start)) ms"
sleep 2
# The MP3 player's play button, bottom right.
click $((WIDTH - 20 - 160 + 24)) $((HEIGHT - 20 - 24))
sleep 3
echo "idle CPU in the menu, radio, an MP3 song and the background song playing, over 10 s: $(idle_cpu "$game_pid" 10) %"
if [ -n "$SHOTS" ]; then
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$SHOTS/menu-radio-music.png"
    click 120 $((HEIGHT - 70)) 3 # the radio dialog
    sleep 2
    import -window root "$SHOTS/radio-dialog-screen.png"
    dialog=$(xdotool search --onlyvisible --name "Qel Internet-Radio" | head -1)
    [ -n "$dialog" ] && import -window "$dialog" "$SHOTS/radio-dialog.png"
    xdotool key Escape
fi
stop_game
