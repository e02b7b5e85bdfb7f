#!/bin/sh
# Figures of the running game under a virtual X display (needs xvfb, xauth,
# x11-utils and xdotool):
#   - process start to the window being shown (median of 5 starts),
#   - resident memory 5 s after the start,
#   - CPU while idle on the title screen, in the menu and at the table
#     waiting for the person.
# usage: bench/window/window-figures.sh [build dir] [window size]
#   build dir defaults to build; window size is the setting's number, 1 (the
#   default, 760 x 500) or 5 (1520 x 1000).
# It runs itself under xvfb-run when no display is set.
set -e
build=$(cd "${1:-build}" && pwd)
size=${2:-1}
case $size in
1 | 5) ;;
*) echo "window size 1 or 5, not $size" >&2; exit 2 ;;
esac
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1100x24" sh "$0" "$build" "$size"
fi
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build"/run/Tavlira/Tavlira-Duo/tavlira-duo "$build"/run/Tavlira/Tavlira-Duo/Tavlira2.clb \
   "$build"/run/Tavlira/Tavlira-Duo/Tavlira2.net "$work"/
game="$work/tavlira-duo"
# The settings file: the window size is the ninth sign of its second line;
# "#" leaves a setting at its default.
if [ "$size" != 1 ]; then
    { echo; echo "########$size"; for line in $(seq 33); do echo; done; } >"$work/Tavlira2.ini"
fi
hz=$(getconf CLK_TCK)

now_ms() { date +%s%3N; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
window_shown() { xwininfo -name Tavlira-Duo 2>/dev/null | grep -q 'IsViewable'; }
# Waits for the window of process $1; fails when the process has ended.
await_window() {
    until window_shown; do
        kill -0 "$1" 2>/dev/null || { echo "tavlira-duo ended before its window showed" >&2; exit 1; }
    done
}

# CPU of process $1 over $2 seconds, in per cent of one core.
idle_cpu() {
    before=$(cpu_ticks "$1"); sleep "$2"; after=$(cpu_ticks "$1")
    echo "$before $after $hz $2" | awk '{printf "%.2f", 100 * ($2 - $1) / $3 / $4}'
}

echo "start to window shown (ms):"
times=""
for run in 1 2 3 4 5; do
    start=$(now_ms)
    "$game" & pid=$!
    await_window "$pid"
    shown=$(now_ms)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    times="$times $((shown - start))"
    sleep 0.3
done
echo " $times" | tr ' ' '\n' | sort -n | awk 'NF {v[++n]=$1} END {printf "  runs:"; for (i=1;i<=n;i++) printf " %d", v[i]; printf "\n  median: %d\n", v[int((n+1)/2)]}'

"$game" & pid=$!
await_window "$pid"
sleep 5
echo "resident memory 5 s after start: $(awk '/VmRSS/ {printf "%.1f MiB", $2 / 1024}' /proc/$pid/status)"

echo "idle CPU on the title screen over 10 s: $(idle_cpu "$pid" 10) %"

window=$(xdotool search --onlyvisible --name Tavlira-Duo | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window: ${WIDTH} x ${HEIGHT}"
# Clicks at a point of the 760 x 500 design; size 5 doubles it.
factor=$((size == 5 ? 2 : 1))
click_at() { xdotool mousemove $((X + factor * $1)) $((Y + factor * $2)) click 1; }
click_at 380 250 # leaves the title screen
sleep 1
echo "idle CPU in the menu over 10 s: $(idle_cpu "$pid" 10) %"

# "New Player", the login dialog, "To Begin".
click_at 380 440
sleep 1
xdotool type Bench; xdotool key Tab; xdotool type 1; xdotool key Tab; xdotool type 1
xdotool key Return
sleep 1
click_at 685 325
# The computer may open the game; its flights and pause are over well before this.
sleep 8
echo "idle CPU at the table over 10 s: $(idle_cpu "$pid" 10) %"
kill "$pid"; wait "$pid" 2>/dev/null || true
