#!/usr/bin/env bash
# The desktop the end-to-end scenarios share, set up once for a test run:
#   fixture.sh up STATE DRIVER   Xvfb on a free display, a fresh Wine prefix, the persistent
#                                wineserver, and a driver process that holds the virtual desktop
#                                (with its taskbar) open between the scenarios
#   fixture.sh down STATE        stops all of it, whatever state the scenarios left, and
#                                removes the prefix
set -euo pipefail
. "$(dirname "$0")/../scripts/wine-env.sh"

action=$1
state=$(realpath -m "$2")
prefix=$state/prefix

down() {
  if [ -d "$prefix" ]; then
    kd_wine_env "$prefix"
    kd_wine_stop
  fi
  kd_xvfb_stop "$state/display.env"
}

case "$action" in
  up)
    driver=$3
    mkdir -p "$state"
    down  # what a run that lost its cleanup left behind
    rm -rf "$prefix"
    kd_xvfb_start "$state/display.env"
    started=$SECONDS
    kd_wine_prefix "$prefix"
    echo "Wine prefix ready in $((SECONDS - started)) s"
    # Its own session and no inherited output: nothing of it may keep CTest waiting.
    setsid wine "$driver" hold-desktop </dev/null >"$state/holder.log" 2>&1 &
    timeout 120 wine "$driver" desktop-ready </dev/null >"$state/ready.log" 2>&1 || {
      cat "$state/ready.log" "$state/holder.log" >&2
      exit 1
    }
    cat "$state/ready.log"
    echo "desktop up on display $DISPLAY"
    ;;
  down)
    down
    # The prefix is made afresh by every run; the logs and screenshots stay.
    rm -rf "$prefix"
    echo "desktop down"
    ;;
  *)
    echo "usage: fixture.sh up STATE DRIVER | down STATE" >&2
    exit 2
    ;;
esac
