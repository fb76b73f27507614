#!/usr/bin/env bash
# Measurements, never part of the test run:
#   1. the engine's benchmarks (Google Benchmark, release build), and a million dates through
#      kestaldate's standard input against GNU date (bench/console_vs_date.sh);
#   2. KestalDate.exe under Wine against the floor, a minimal tray program of our own built with
#      the same flags (bench/floor): start-up to the icon in the tray, private bytes and peak
#      working set in the tray, the exe's size, wake-ups while idle, and the time from a menu
#      choice to the window. Both programs alternate, RUNS times each.
#   scripts/bench.sh [RUNS [IDLE_SECONDS]]     10 runs and 60 s by default
# The figures are printed and kept in build/bench/figures.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10}
idle=${2:-60}

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" bench windows
out=$root/build/bench/figures.txt

{
  echo "== engine benchmarks"
  "$root/build/bench/kestal_bench" --benchmark_time_unit=ns
  echo
  echo "== kestaldate against GNU date, a million dates"
  bash "$root/bench/console_vs_date.sh" "$root/build/bench/kestaldate"
} | tee "$out"

# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
e2e=$root/build/windows/e2e
state=$root/build/bench/desktop
driver=$e2e/kestal_e2e_driver.exe
trap 'bash "$root/e2e/fixture.sh" down "$state" >/dev/null' EXIT
bash "$root/e2e/fixture.sh" up "$state" "$driver" >/dev/null
{
  echo
  echo "== the program against the floor, under Wine"
  bash "$root/e2e/scenario.sh" "$state" "$driver" "$root/build/windows/KestalDate.exe" measure \
    "$root/build/bench/screenshots" $((runs * 30 + idle + 300)) \
    --floor "$(kd_windows_path "$root/build/windows/KestalFloor.exe")" --runs "$runs" \
    --idle-seconds "$idle"
} | tee -a "$out"
echo "figures kept in $out"
