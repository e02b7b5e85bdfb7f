#!/bin/sh
# The table server's figures under load, on 127.0.0.1 only: two headless
# seats at each of the ten tables play GAMES short games each through a
# fresh server. Prints key=value lines:
#   games, seconds, frames.relayed, frames.per.second (relayed frames),
#   relay.p50.us, relay.p99.us (from the read that brought a frame to the
#   write that sends it on, inside the server),
#   rss.after.100.kb, rss.after.all.kb (the server's resident memory after the
#   first hundred games and after all of them).
#   sh bench/table/table-figures.sh [BUILD_DIR] [GAMES_PER_TABLE]
# The default of 1000 games a table makes 10,000 games. Everything started
# here is stopped by its PID, also when the script is interrupted.
set -eu
build=${1:-build}
games=${2:-1000}
server=$build/run/server/tavlira-table-server
sim=$build/run/Tavlira/Tavlira-Duo/tavlira-sim
work=$(mktemp -d)
pids=""
cleanup() {
  for pid in $pids; do
    kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$server" --listen 127.0.0.1 --base-port 0 >"$work/server.out" &
server_pid=$!
pids=$server_pid
base=""
for _ in $(seq 50); do
  base=$(sed -n 's/^base-port=//p' "$work/server.out")
  [ -n "$base" ] && break
  sleep 0.1
done
[ -n "$base" ] || { echo "the table server did not start" >&2; exit 1; }

# The server's last figures, refreshed on request.
figure() {
  kill -USR1 "$server_pid"
  sleep 0.2
  sed -n "s/^$1=//p" "$work/server.out" | tail -n 1
}
rss() {
  awk '/^VmRSS/ { print $2 }' "/proc/$server_pid/status"
}

start=$(date +%s.%N)
bots=""
for table in 1 2 3 4 5 6 7 8 9 10; do
  for seat in 1 2; do
    "$sim" table --server "127.0.0.1:$base" --table "$table" --seat "$seat" --games "$games" \
      >"$work/seat-$table-$seat.out" &
    bots="$bots $!"
  done
done
pids="$pids$bots"

rss_100=""
while [ -z "$rss_100" ]; do
  dealt=$(figure games.dealt)
  if [ "${dealt:-0}" -ge 100 ]; then
    rss_100=$(rss)
  fi
done

failed=0
for bot in $bots; do
  wait "$bot" || failed=$((failed + 1))
done
end=$(date +%s.%N)
rss_all=$(rss)
relayed=$(figure frames.relayed)
p50=$(figure relay.p50.us)
p99=$(figure relay.p99.us)
kill -TERM "$server_pid"
wait "$server_pid" || true
pids=""

played=$(cat "$work"/seat-*-1.out | sed -n 's/^games=//p' | awk '{ s += $1 } END { print s }')
echo "games=$played"
echo "seats.failed=$failed"
echo "seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }')"
echo "frames.relayed=$relayed"
echo "frames.per.second=$(awk -v n="$relayed" -v a="$start" -v b="$end" 'BEGIN { printf "%d", n / (b - a) }')"
echo "relay.p50.us=$p50"
echo "relay.p99.us=$p99"
echo "rss.after.100.kb=$rss_100"
echo "rss.after.all.kb=$rss_all"
