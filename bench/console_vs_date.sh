#!/usr/bin/env bash
# A million dates through kestaldate's standard input against GNU date reading the same million
# dates from a file (`date -f FILE +%j`, the day of the year of each), side by side in one run:
#   bench/console_vs_date.sh [KESTALDATE [RUNS]]     build/native/kestaldate and 5 runs by default
# The dates are ISO "yyyy-mm-dd", a form both read, spread over two centuries; every program
# writes its million lines to /dev/null. The programs take turns, RUNS times each; the fastest
# run of each is printed, wall-clock and processor time, and how many times faster kestaldate is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kestaldate=$(realpath "${1:-$root/build/native/kestaldate}")
runs=${2:-5}
[ -x "$kestaldate" ] || { echo "no $kestaldate: build it first (scripts/build.sh native)" >&2; exit 2; }
command -v date >/dev/null || { echo "GNU date is missing" >&2; exit 2; }

dates=$root/build/bench/console-dates.txt
mkdir -p "$(dirname "$dates")"
# The same dates every time: a linear congruential sequence, exact in awk's doubles.
awk 'BEGIN {
  split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
  s = 20260101
  for (i = 0; i < 1000000; i++) {
    s = (s * 69069 + 1) % 4294967296; y = 1900 + s % 200
    s = (s * 69069 + 1) % 4294967296; m = 1 + s % 12
    s = (s * 69069 + 1) % 4294967296; d = 1 + s % days[m]
    printf "%04d-%02d-%02d\n", y, m, d
  }
}' >"$dates"

# Each command once, checked: a million lines out and nothing refused.
check() {
  local lines
  lines=$("$@" <"$dates" 2>/dev/null | wc -l)
  [ "$lines" -eq 1000000 ] && "$@" <"$dates" >/dev/null 2>&1 ||
    { echo "$* does not convert the million dates" >&2; exit 1; }
}
check "$kestaldate" -n -
check "$kestaldate" -c -
check date -f "$dates" +%j

# Wall-clock and processor seconds of one run of a command, its input the dates.
timed() {
  local TIMEFORMAT='%R %U %S' times
  times=$({ time "$@" <"$dates" >/dev/null 2>&1; } 2>&1)
  awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' <<<"$times"
}

declare -A best_wall best_cpu
names=("kestaldate -n -" "kestaldate -c -" "date -f FILE +%j")
for ((run = 0; run < runs; run++)); do
  for name in "${names[@]}"; do
    case "$name" in
      "kestaldate -n -") read -r wall cpu < <(timed "$kestaldate" -n -) ;;
      "kestaldate -c -") read -r wall cpu < <(timed "$kestaldate" -c -) ;;
      *) read -r wall cpu < <(timed date -f "$dates" +%j) ;;
    esac
    if [ -z "${best_wall[$name]:-}" ] || awk -v a="$wall" -v b="${best_wall[$name]}" 'BEGIN { exit !(a < b) }'; then
      best_wall[$name]=$wall
    fi
    if [ -z "${best_cpu[$name]:-}" ] || awk -v a="$cpu" -v b="${best_cpu[$name]}" 'BEGIN { exit !(a < b) }'; then
      best_cpu[$name]=$cpu
    fi
  done
done

echo "a million dates ($dates), the fastest of $runs runs each:"
for name in "${names[@]}"; do
  printf '  %-20s %7.3f s   (processor %.3f s)\n' "$name" "${best_wall[$name]}" "${best_cpu[$name]}"
done
date_wall=${best_wall["date -f FILE +%j"]} date_cpu=${best_cpu["date -f FILE +%j"]}
for name in "kestaldate -n -" "kestaldate -c -"; do
  awk -v n="$name" -v w="${best_wall[$name]}" -v c="${best_cpu[$name]}" -v dw="$date_wall" \
    -v dc="$date_cpu" 'BEGIN {
      printf "  %s is %.1f times faster than date (%.1f in processor time)\n", n, dw / w, dc / c
    }'
done
