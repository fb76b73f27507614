#!/usr/bin/env bash
# Builds KestalDate.exe and starts it under Wine, in a virtual desktop with a taskbar (the
# program lives in its notification area).
#   - With a display (DISPLAY set): the desktop opens there; the script returns when the program
#     and its desktop have ended ("Chiudi" in the icon's menu).
#   - Without one: the desktop runs on a virtual display (Xvfb); the script waits for the tray
#     icon, rests the pointer on it, prints the tooltip (today's stardate), saves a screenshot of
#     the desktop with the tooltip under build/run/, prints its path, and stops.
set -Eeuo pipefail
# No step fails without saying which: the command, where, and its exit code (its own output, or
# the log it names, is just above).
trap 'echo "run.sh: step failed (exit $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
# Only the program, and on a virtual display the test driver that reads its tooltip: not the
# rest of the Windows tree.
targets=(KestalDate)
[ -n "${DISPLAY:-}" ] || targets+=(kestal_e2e_driver)
(cd "$root" && cmake --preset windows >/dev/null &&
  cmake --build --preset windows -j"${KESTAL_JOBS:-$(nproc)}" --target "${targets[@]}")

# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"

exe=$root/build/windows/KestalDate.exe
state=$root/build/run
mkdir -p "$state"

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  kd_xvfb_start "$state/display.env"
fi

cleanup() {
  if [ "$headless" = 1 ]; then
    kd_wine_stop
    kd_xvfb_stop "$state/display.env"
  fi
}
trap cleanup EXIT

kd_wine_prefix "$state/prefix"
program=$(kd_windows_path "$exe")
if [ "$headless" = 0 ]; then
  echo "Starting Kestal Date on $DISPLAY: right-click the icon at the right end of the taskbar."
  wine explorer /desktop=kd,1024x768 "$program" </dev/null
  exit 0
fi

setsid wine explorer /desktop=kd,1024x768 "$program" </dev/null >"$state/wine.log" 2>&1 &

# The taskbar shows only while an icon is in it, so a light bar at the bottom means the icon
# is there. Bounded: a program that never shows it fails the run.
shot=$state/desktop.png
taskbar_shown() {
  import -display "$DISPLAY" -window root "$shot" 2>/dev/null || return 1
  local level
  level=$(convert "$shot" -crop 200x1+400+758 +repage -colorspace Gray -format '%[fx:mean]' info:)
  awk -v l="$level" 'BEGIN { exit !(l > 0.7) }'
}
shown=0
for _ in $(seq 1 600); do
  if taskbar_shown; then
    shown=1
    break
  fi
  sleep 0.1
done
if [ "$shown" != 1 ]; then
  echo "the tray icon did not appear; the desktop as it was is in $shot" >&2
  exit 1
fi

# The test driver rests the pointer on the icon until the tooltip shows, reads its text as the
# user would, and takes the screenshot with the tooltip shown.
driver=$root/build/windows/e2e/kestal_e2e_driver.exe
rm -f "$state/desktop.bmp"
tooltip=$(timeout 60 wine "$driver" show-tooltip --shots "$(kd_windows_path "$state")" </dev/null \
  2>/dev/null | sed -n 's/^ *tooltip: //p') || true
if [ -n "$tooltip" ] && [ -f "$state/desktop.bmp" ]; then
  echo "Tooltip: $tooltip"
  convert "$state/desktop.bmp" "$shot" && rm -f "$state/desktop.bmp"
else
  echo "the tooltip did not show; the screenshot shows the desktop without it" >&2
fi
echo "Kestal Date ran on a virtual display (now closed); screenshot of its desktop: $shot"
