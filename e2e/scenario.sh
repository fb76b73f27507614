#!/usr/bin/env bash
# Plays one driver scenario on the shared desktop:
#   scenario.sh STATE DRIVER PROGRAM SCENARIO SHOTS [SECONDS [DRIVER OPTIONS...]]
# SECONDS bounds the driver (60 by default); the options go to the driver as they are.
# The driver's output goes through a file, so that no Wine process started meanwhile can hold
# CTest's pipe open. Screenshots end as PNG files in SHOTS; a failed scenario adds one of the
# desktop as it was left, and ends any program it left running.
set -euo pipefail
. "$(dirname "$0")/../scripts/wine-env.sh"

state=$(realpath -m "$1") driver=$2 program=$3 scenario=$4 shots=$(realpath -m "$5")
seconds=${6:-60}
shift $(($# < 6 ? $# : 6))
[ -f "$state/display.env" ] || { echo "the desktop is not up" >&2; exit 1; }
# shellcheck disable=SC1091
. "$state/display.env"
export DISPLAY
kd_wine_env "$state/prefix"

rm -rf "$shots"
mkdir -p "$shots"
log=$state/$scenario.log
rc=0
timeout -k 5 "$seconds" wine "$driver" "$scenario" --exe "$(kd_windows_path "$program")" \
  --shots "$(kd_windows_path "$shots")" "$@" </dev/null >"$log" 2>&1 || rc=$?
cat "$log"
if [ "$rc" -ne 0 ]; then
  [ "$rc" -eq 124 ] && echo "the scenario did not finish in time"
  import -display "$DISPLAY" -window root "$shots/at-failure.png" 2>/dev/null || true
  timeout 20 wine "$driver" remove-left-programs </dev/null >>"$log" 2>&1 || true
fi
for bmp in "$shots"/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit "$rc"
