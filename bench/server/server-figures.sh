#!/bin/sh
# Measures tavlira-server on loopback with wrk, 100 connections: board reads
# (the world top ten's records) on SQLite and on PostgreSQL, with the
# server's one-second board copy and, on PostgreSQL, without it; and logins
# (an argon2id check each). Prints wrk's figures, requests per second and
# the latency percentiles among them.
#   sh bench/server/server-figures.sh [BUILD_DIR] [SECONDS]
# PostgreSQL runs as a private cluster in a temporary folder (as root the
# cluster runs as the postgres user). Everything started here is ended by
# its process id.
set -e
cd "$(dirname "$0")/../.."
build=${1:-build}
seconds=${2:-10}
server="$build/run/server/tavlira-server"
lua="bench/server/post.lua"
[ -x "$server" ] || { echo "build $server first"; exit 1; }
work=$(mktemp -d)
server_pid=""
pg_dir=""

stop_server() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  server_pid=""
}
stop_pg() {
  [ -n "$pg_dir" ] && [ -f "$pg_dir/data/postmaster.pid" ] || return 0
  pg_pid=$(head -n 1 "$pg_dir/data/postmaster.pid")
  kill -INT "$pg_pid" 2>/dev/null
  while kill -0 "$pg_pid" 2>/dev/null; do sleep 0.1; done
}
trap 'stop_server; stop_pg; rm -rf "$work" "$pg_dir"' EXIT

# Starts the server with the given storage options; sets $port.
start_server() {
  "$server" --listen 127.0.0.1:0 --files "$work" --threads "${THREADS:-128}" "$@" >"$work/out" 2>&1 &
  server_pid=$!
  port=""
  for i in $(seq 100); do
    port=$(sed -n 's/.*listening on .*:\([0-9]*\)$/\1/p' "$work/out")
    [ -n "$port" ] && break
    sleep 0.05
  done
  [ -n "$port" ] || { cat "$work/out"; exit 1; }
}

post() {
  curl -s -A KubLanternOwl --data-binary "$2" "http://127.0.0.1:$port$1" >/dev/null
}

# An account and a full board to read.
seed() {
  post /acc/account.php 'nick=Bench&pw=secret1&city=Tula&country1=Russia&country2=1-001&sex=M&email=a@b.c&dater=01.01.2026&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0'
  for i in $(seq 30); do
    post /wt/games.php "gid=66&nick=P$i&city=Tula&country=1-001&score=$i&R7=M&R8=5.7f&R9=%23&R10=%23*"
  done
}

run() {
  echo "== $1"
  POST_PATH="$2" POST_BODY="$3" wrk -t2 -c100 -d"${seconds}s" --latency -s "$lua" \
    "http://127.0.0.1:$port" | sed -n '/Latency Distribution/,/Transfer/p'
}

start_server --db "$work/bench.db"
seed
run "SQLite: board reads" /wt/games.php "gid=66"
run "SQLite: logins (argon2id)" /acc/account.php "nick=Bench&&pw=secret1&&label0=0"
stop_server

pg_bin=/usr/lib/postgresql/15/bin
pg_dir=$(mktemp -d)
as_owner() { if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
[ "$(id -u)" = 0 ] && chown postgres "$pg_dir"
as_owner "$pg_bin/initdb" -D "$pg_dir/data" --auth=trust -U postgres >/dev/null
as_owner "$pg_bin/pg_ctl" -D "$pg_dir/data" -l "$pg_dir/log" -w \
  -o "-p 5432 -k $pg_dir -c listen_addresses=''" start >/dev/null
start_server --pg "host=$pg_dir port=5432 user=postgres dbname=postgres"
seed
run "PostgreSQL: board reads" /wt/games.php "gid=66"
stop_server
start_server --pg "host=$pg_dir port=5432 user=postgres dbname=postgres" --board-cache-ms 0
run "PostgreSQL: board reads, every read from the database" /wt/games.php "gid=66"
