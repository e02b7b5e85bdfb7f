#!/bin/sh
# The expert against the classic opponent, measured: the margin in points per
# game over paired deals with "Figures has points" off and on, and the curve
# of the margin against the thinking time per turn (10, 30, 100, 300 ms).
#
#   sh bench/engine/arena-figures.sh BUILD_DIR [DEALS] [JOBS] [--time]
#
# DEALS (default 10000) paired deals per figure, spread over JOBS processes
# (default: the number of processors), each with its own decks; their
# results are pooled into one margin and one 95 % interval. A turn's budget
# is a playout count calibrated to the time on one core from this machine's
# playouts per second (bench_engine), so a loaded machine measures the same
# strength as an idle one; --time gives each turn the wall-clock time
# itself instead (only meaningful with a free core per job).
set -e
build=${1:?usage: arena-figures.sh BUILD_DIR [DEALS] [JOBS] [--time]}
deals=${2:-10000}
jobs=${3:-$(nproc)}
mode=${4:-}
sim=$build/run/Tavlira/Tavlira-Duo/tavlira-sim
bench=$build/bench/engine/bench_engine
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Playouts per second on one core, figures off (arg 0) and on (arg 1).
rate() {
  "$bench" --benchmark_filter="ExpertPlayouts/$1\$" 2>/dev/null |
    sed -n 's/.*playouts\/s=\([0-9.]*\)\([kM]\)*\/s.*/\1 \2/p' |
    awk '{ r = $1; if ($2 == "k") r *= 1000; if ($2 == "M") r *= 1000000; printf "%d\n", r }'
}
rate_off=$(rate 0)
rate_on=$(rate 1)
echo "playouts.per.second.figures.off=$rate_off"
echo "playouts.per.second.figures.on=$rate_on"

# One figure: JOBS arena runs with their own decks, pooled.
# $1 label, $2 milliseconds per turn, $3 "--figures" or empty.
measure() {
  label=$1 ms=$2 figures=$3
  if [ -n "$figures" ]; then r=$rate_on; else r=$rate_off; fi
  if [ "$mode" = "--time" ]; then budget="--budget-ms $ms"; else budget="--playouts $((r * ms / 1000))"; fi
  per=$(( (deals + jobs - 1) / jobs ))
  i=0
  while [ $i -lt "$jobs" ]; do
    "$sim" arena --deals $per $budget --seed $((1000 + i)) $figures > "$work/$label.$i" &
    i=$((i + 1))
  done
  wait
  # Pool the runs: the margins weighted by deals, the spread of the paired
  # results from each run's interval and the runs' distance to the mean.
  cat "$work/$label".* | awk -F= -v label="$label" -v budget="$budget" '
    $1 == "deals" { n[++k] = $2 } $1 == "margin" { m[k] = $2 } $1 == "ci95" { c[k] = $2 }
    $1 == "playouts" { p += $2 } $1 == "turns" { t += $2 }
    END {
      for (i = 1; i <= k; i++) { N += n[i]; S += n[i] * m[i] }
      mean = S / N
      for (i = 1; i <= k; i++) {
        sd = c[i] / 1.96 * sqrt(n[i]); ss += (n[i] - 1) * sd * sd + n[i] * (m[i] - mean) ^ 2
      }
      printf "%s: deals=%d budget=\"%s\" margin=%.3f ci95=%.3f playouts.per.turn=%d\n",
             label, N, budget, mean, 1.96 * sqrt(ss / (N - 1) / N), p / (t > 0 ? t : 1)
    }'
}

measure figures.off.100ms 100 ""
measure figures.on.100ms 100 --figures
for ms in 10 30 300; do
  measure curve.${ms}ms $ms ""
done
