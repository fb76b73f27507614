#!/usr/bin/env bash
# The zoom as the screen shows it, on the shared desktop:
#   zoom-frames.sh STATE DRIVER PROGRAM SHOTS
# Two rounds of the driver's zoom-frames scenario, with the system's animation effects off and
# then on: a window opens from the tray menu and closes, while frames of the whole screen are
# taken about 30 times a second (copies of the screen's pixels, which Xvfb keeps in a file). Each
# frame is compared with the desktop before the menu
# opened, outside the menu's rectangle and, while the window shows, outside the window's. With
# animations on, the outline must show at several places between where it comes from and where
# it goes, on opening and on closing, and nothing may be left once the window is open or gone;
# with them off, no frame may differ at all. The frames that show the outline are kept as PNG
# files in SHOTS.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/wine-env.sh"

state=$(realpath -m "$1") driver=$2 program=$3 shots=$(realpath -m "$4")
screen=$state/Xvfb_screen0
[ -f "$state/display.env" ] || { echo "the desktop is not up" >&2; exit 1; }
# shellcheck disable=SC1091
. "$state/display.env"
export DISPLAY

rm -rf "$shots"
mkdir -p "$shots"
failures=0
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
ok() { echo "ok   $*"; }

# Takes frames into $1/frames, one every 33 ms or as fast as the machine allows, while
# $1/capture exists, until $1/stop exists; each frame is named by the time it was taken, in
# milliseconds since 1970. The screen's own pixels, pointer included: xwd would compose the
# picture window by window and show black where a window's region leaves a hole.
capture() {
  local work=$1 now next=0 wait
  mkdir -p "$work/frames"
  until [ -e "$work/stop" ]; do
    if [ ! -e "$work/capture" ]; then
      sleep 0.005
      continue
    fi
    now=${EPOCHREALTIME/[.,]/}
    if [ "$now" -lt "$next" ]; then
      printf -v wait '0.%06d' $((next - now))
      sleep "$wait"
      now=${EPOCHREALTIME/[.,]/}
    fi
    next=$((now + 33000))
    cp "$screen" "$work/frames/$((now / 1000)).xwd" 2>>"$work/xwd.log" || true
  done
}

# round NAME on|off: plays the scenario with frames taken meanwhile; leaves them in $work.
round() {
  local name=$1 animations=$2
  work=$state/zoom-frames-$name
  rm -rf "$work"
  mkdir -p "$work"
  : >"$work/xwd.log"
  capture "$work" &
  local capturer=$!
  local rc=0
  bash "$here/scenario.sh" "$state" "$driver" "$program" zoom-frames "$shots/$name" 60 \
    --frames "$(kd_windows_path "$work")" --animations "$animations" || rc=$?
  touch "$work/stop"
  wait "$capturer" || true
  return "$rc"
}

# The mark NAME's values from the round's marks file.
mark() { tr -d '\r' <"$work/marks.txt" | awk -v name="$1" '$1 == name { $1 = ""; print substr($0, 2); exit }'; }

# Compares the frame $2 with the frame $1, outside the rectangles that follow ("L T R B" each,
# right and bottom excluded); prints the bounding box of what differs, "W H X Y", and how many
# pixels differ.
difference() {
  local before=$1 frame=$2 draw=() r
  shift 2
  for r in "$@"; do
    read -r l t rr b <<<"$r"
    draw+=(-draw "rectangle $l,$t $((rr - 1)),$((b - 1))")
  done
  convert "$before" "$frame" -compose difference -composite -colorspace gray -threshold 0 \
    -fill black "${draw[@]}" -format '%@ %[fx:round(mean*w*h)]' info: 2>/dev/null |
    sed 's/[x+]/ /g'
}

# How thick the line at the top of the outline is: the differing pixels in a short column down
# from the middle of its top edge.
thickness() {
  local before=$1 frame=$2 x=$3 y=$4
  convert "$before" "$frame" -compose difference -composite -colorspace gray -threshold 0 \
    -crop "1x8+$x+$y" +repage -format '%[fx:round(mean*h)]' info: 2>/dev/null
}

# judge NAME on|off: reads the round's frames against its marks and prints a verdict a check.
judge() {
  local name=$1 animations=$2
  work=$state/zoom-frames-$name
  local menu opened closing gone end window menuRect openFrom closeTo dpi mask=()
  menu=$(mark menu) opened=$(mark opened) closing=$(mark closing) gone=$(mark gone)
  end=$(mark end) window=$(mark window) menuRect=$(mark menu-rect)
  openFrom=$(mark opening-anchor) closeTo=$(mark closing-anchor) dpi=$(mark dpi)
  if [ -z "$end" ] || [ -z "$window" ]; then
    fail "$name: the round left its marks"
    return
  fi
  local frames=() f
  for f in "$work"/frames/*.xwd; do
    [ -s "$f" ] && frames+=("$f")
  done
  # The desktop as it was: the last frame well before the menu opened.
  local before=
  for f in "${frames[@]}"; do
    [ "$(basename "$f" .xwd)" -lt $((menu - 30)) ] && before=$f
  done
  if [ -z "$before" ]; then
    fail "$name: a frame of the desktop before the menu"
    return
  fi
  echo "$name: ${#frames[@]} frames from $(basename "${frames[0]}" .xwd) to" \
    "$(basename "${frames[-1]}" .xwd) ms, $(grep -c '^X Error' "$work/xwd.log" 2>/dev/null || true)" \
    "not taken"
  mkdir -p "$shots/$name"
  convert "$before" "$shots/$name/before.png"

  local expected=$(((2 * dpi + 48) / 96))
  local phase t w h x y n stray=()
  declare -A seen=()
  declare -a opening=() closingSeen=()
  for f in "${frames[@]}"; do
    t=$(basename "$f" .xwd)
    if [ "$t" -lt "$menu" ] || [ "$t" -gt "$end" ]; then continue; fi
    # Each frame against the desktop before: outside the menu while the window opens (it is
    # not shown yet), outside the window while it is open and while it closes, and outside the
    # menu alone once it is gone (Wine's taskbar may be slow to repaint where the menu was).
    # With animations off, outside the window and the menu throughout.
    if [ "$t" -le $((opened + 150)) ]; then
      phase=opening mask=("$menuRect")
    elif [ "$t" -lt "$closing" ]; then
      phase=open mask=("$window")
    elif [ "$t" -lt $((gone + 150)) ]; then
      phase=closing mask=("$window")
    else
      phase=after mask=("$menuRect")
    fi
    [ "$animations" = on ] || [ "$phase" = after ] || mask=("$window" "$menuRect")
    read -r w h x y n <<<"$(difference "$before" "$f" "${mask[@]}")"
    [ "${n:-0}" -gt 0 ] || continue
    if [ "$animations" = off ] || [ "$phase" = open ] || [ "$phase" = after ]; then
      stray+=("$t $phase ${w}x$h+$x+$y ($n pixels)")
      convert "$f" "$shots/$name/stray-$phase-$t.png"
      continue
    fi
    # An outline: a thin frame, no more pixels than its edges hold.
    if [ "$n" -gt $(((w + h) * 2 * expected * 3 / 2 + 8)) ]; then
      echo "  $t $phase: not an outline, ${w}x$h+$x+$y ($n pixels)"
      continue
    fi
    local entry="$t $x $y $((x + w)) $((y + h))"
    if [ "$phase" = opening ]; then opening+=("$entry"); else closingSeen+=("$entry"); fi
    convert "$f" "$shots/$name/$phase-$t.png"
    if [ "$h" -ge 12 ] && [ "$w" -ge 12 ]; then
      local thick
      thick=$(thickness "$before" "$f" $((x + w / 2)) "$y")
      [ "${thick:-0}" -gt 0 ] && seen[$thick]+=x
    fi
  done

  if [ "$animations" = off ]; then
    [ ${#stray[@]} -eq 0 ] && ok "$name: no frame differs from the desktop before, outside the window" ||
      fail "$name: frames differ from the desktop before: ${stray[*]}"
    return
  fi
  [ ${#stray[@]} -eq 0 ] &&
    ok "$name: nothing of the outline once the window is open, nor once it is gone" ||
    fail "$name: frames differ while the window is open or after it has gone: ${stray[*]}"
  check_path "$name: opening" "$openFrom" "$window" "${opening[@]}"
  check_path "$name: closing" "$window" "$closeTo" "${closingSeen[@]}"
  local widths=${!seen[*]}
  echo "  the outline's line seen $widths pixels thick (expected $expected at $dpi dpi)"
  [[ " $widths " == *" $expected "* ]] && ok "$name: the outline is $expected pixels thick" ||
    fail "$name: the outline is $expected pixels thick (seen: $widths)"
}

# check_path WHAT FROM TO "T L T R B"...: at least three different places, each inside the
# rectangle that holds FROM and TO, coming closer to TO from one frame to the next.
check_path() {
  local what=$1 from=$2 to=$3
  shift 3
  local fl ft fr fb tl tt tr tb
  read -r fl ft fr fb <<<"$from"
  read -r tl tt tr tb <<<"$to"
  local hl=$(((fl < tl ? fl : tl) - 3)) ht=$(((ft < tt ? ft : tt) - 3))
  local hr=$(((fr > tr ? fr : tr) + 3)) hb=$(((fb > tb ? fb : tb) + 3))
  local cx=$((tl + tr)) cy=$((tt + tb)) last=-1 places=() outside=() back=()
  local e t l tp r b d
  for e in "$@"; do
    read -r t l tp r b <<<"$e"
    places+=("$l,$tp,$r,$b")
    if [ "$l" -lt "$hl" ] || [ "$tp" -lt "$ht" ] || [ "$r" -gt "$hr" ] || [ "$b" -gt "$hb" ]; then
      outside+=("$l,$tp,$r,$b")
    fi
    # Twice the distance of the middles, in the city-block measure.
    d=$(((l + r - cx) * (l + r - cx > 0 ? 1 : -1) + (tp + b - cy) * (tp + b - cy > 0 ? 1 : -1)))
    [ "$last" -ge 0 ] && [ "$d" -gt $((last + 6)) ] && back+=("$l,$tp,$r,$b")
    last=$d
  done
  local distinct
  distinct=$(printf '%s\n' "${places[@]}" | sort -u | grep -c . || true)
  echo "  $what: the outline seen at $distinct places: ${places[*]}"
  if [ "$#" -gt 0 ]; then
    local first last_t
    read -r first _ <<<"$1"
    read -r last_t _ <<<"${!#}"
    echo "  $what: seen for $((last_t - first)) ms between its first and its last frame"
  fi
  [ "$distinct" -ge 3 ] && ok "$what: the outline shows at several places" ||
    fail "$what: the outline shows at several places (seen at $distinct)"
  [ ${#outside[@]} -eq 0 ] && ok "$what: each between $from and $to" ||
    fail "$what: each between $from and $to (outside: ${outside[*]})"
  [ ${#back[@]} -eq 0 ] && ok "$what: each closer to $to than the one before" ||
    fail "$what: each closer to $to than the one before (not: ${back[*]})"
}

round off off || fail "the scenario with animations off"
judge off off
round on on || fail "the scenario with animations on"
judge on on
[ -n "${KD_KEEP_FRAMES:-}" ] || rm -rf "$state"/zoom-frames-*
exit $((failures > 0))
