#!/usr/bin/env bash
# The endurance scenario with a count of one's choosing (the test run plays 150 rounds):
#   scripts/endurance.sh [ROUNDS]     500 by default
# Each round opens and closes the three windows through the tray menu and changes the tooltip
# once; every fifth round adds two conversions. The program's private bytes, GDI objects and
# windows must not grow. The log is kept in build/windows/e2e/desktop/endurance.log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-500}

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows

e2e=$root/build/windows/e2e
state=$e2e/desktop
driver=$e2e/kestal_e2e_driver.exe
trap 'bash "$root/e2e/fixture.sh" down "$state" >/dev/null' EXIT
bash "$root/e2e/fixture.sh" up "$state" "$driver"
bash "$root/e2e/scenario.sh" "$state" "$driver" "$root/build/windows/KestalDate.exe" endurance \
  "$e2e/screenshots/endurance" $((rounds * 4 + 120)) --cycles "$rounds"
