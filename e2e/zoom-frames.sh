#!/usr/bin/env bash
# The zoom as the screen shows it, on the shared desktop:
#   zoom-frames.sh STATE DRIVER PROGRAM SHOTS
# Two rounds of the driver's zoom-frames scenario, with the system's animation effects off and
# then on: a window opens from the tray menu and closes, while frames of the whole screen are
# taken about 30 times a second (copies of the screen's pixels, which Xvfb keeps in a file), and
# a window of the driver's own changes colour in the opening outline's way. Each frame is
# compared with the desktop before the menu opened, outside the changing window, the menu's
# rectangle and, while the window shows, the window's. With animations on, the outline must show
# at several places between where it comes from and where it goes, on opening and on closing, no
# frame may show more than the outline, the changing window must go on changing where the
# outline meets it, and nothing may be left once the window is open or gone; with them off, no
# frame may differ at all. The frames that show the outline are kept as PNG files in SHOTS.
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
    cp "$screen" "$work/frames/$((now / 1000)).xwd" 2>>"$work/copy.log" || true
  done
}

# round NAME on|off: plays the scenario with frames taken meanwhile; leaves them in $work.
round() {
  local name=$1 animations=$2
  work=$state/zoom-frames-$name
  rm -rf "$work"
  mkdir -p "$work"
  : >"$work/copy.log"
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

# The -draw arguments that black out the rectangles given ("L T R B" each, right and bottom
# excluded), in the array `draw`.
masks() {
  draw=()
  local r l t rr b
  for r in "$@"; do
    read -r l t rr b <<<"$r"
    draw+=(-draw "rectangle $l,$t $((rr - 1)),$((b - 1))")
  done
}

# Compares the frame $2 with the frame $1, outside the rectangles that follow; prints the
# bounding box of what differs, "W H X Y", and how many pixels differ.
difference() {
  local before=$1 frame=$2 draw
  shift 2
  masks "$@"
  convert "$before" "$frame" -compose difference -composite -colorspace gray -threshold 0 \
    -fill black "${draw[@]}" -format '%@ %[fx:round(mean*w*h)]' info: 2>/dev/null |
    sed 's/[x+]/ /g'
}

# How thick the line at the top of the outline is: the differing pixels, outside the rectangles
# that follow, in a short column down from the middle of its top edge.
thickness() {
  local before=$1 frame=$2 x=$3 y=$4 draw
  shift 4
  masks "$@"
  convert "$before" "$frame" -compose difference -composite -colorspace gray -threshold 0 \
    -fill black "${draw[@]}" -crop "1x8+$x+$y" +repage -format '%[fx:round(mean*h)]' info: \
    2>/dev/null
}

# The changing window's colour in the frame $1 (hex): the first of five points inside it that
# the outline does not cover (the outline is black and white, the window never is); empty when
# it covers all five.
colour() {
  local l t r b format="" p
  read -r l t r b <<<"$changing"
  for p in "$(((l + r) / 2)),$(((t + b) / 2))" "$((l + 3)),$((t + 3))" "$((r - 4)),$((t + 3))" \
    "$((l + 3)),$((b - 4))" "$((r - 4)),$((b - 4))"; do
    format+="%[hex:p{$p}] "
  done
  convert "$1" -format "$format" info: 2>/dev/null | tr ' ' '\n' | cut -c1-6 |
    grep -v -E '^(000000|FFFFFF)?$' | head -1 || true
}

# True when the rectangles "L T R B" $1 and $2 share a pixel.
meet() {
  local al at ar ab bl bt br bb
  read -r al at ar ab <<<"$1"
  read -r bl bt br bb <<<"$2"
  [ "$al" -lt "$br" ] && [ "$bl" -lt "$ar" ] && [ "$at" -lt "$bb" ] && [ "$bt" -lt "$ab" ]
}

# judge NAME on|off: reads the round's frames against its marks and prints a verdict a check.
judge() {
  local name=$1 animations=$2
  work=$state/zoom-frames-$name
  local menu opened closing gone end window menuRect openFrom closeTo dpi changing
  menu=$(mark menu) opened=$(mark opened) closing=$(mark closing)
  gone=$(mark gone) end=$(mark end) window=$(mark window) menuRect=$(mark menu-rect)
  openFrom=$(mark opening-anchor) closeTo=$(mark closing-anchor) dpi=$(mark dpi)
  changing=$(mark changing)
  if [ -z "$end" ] || [ -z "$window" ] || [ -z "$changing" ]; then
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
    "$(basename "${frames[-1]}" .xwd) ms, $(grep -c . "$work/copy.log" 2>/dev/null || true) not taken"
  mkdir -p "$shots/$name"
  convert "$before" "$shots/$name/before.png"

  local expected=$(((2 * dpi + 48) / 96))
  local phase t w h x y n limit stray=() boxes=() mask=() last="" now
  local shown=0 alive=0 frozen=() crossed=0 crossedOpening=0 livedBefore=0 beforeFrames=0
  declare -A seen=()
  declare -a opening=() closingSeen=()
  for f in "${frames[@]}"; do
    t=$(basename "$f" .xwd)
    [ "$t" -le "$end" ] || continue
    # The changing window, frame after frame: changing on its own before the menu, and under
    # the outline wherever the outline shows.
    now=$(colour "$f")
    if [ "$t" -lt "$menu" ] && [ -n "$last" ]; then
      beforeFrames=$((beforeFrames + 1))
      [ "$now" != "$last" ] && livedBefore=$((livedBefore + 1))
    fi
    local previous=$last
    last=$now
    [ "$t" -ge "$menu" ] || continue
    # Each frame against the desktop before, outside the changing window and: outside the menu
    # while the window opens (it is not shown yet; Wine's taskbar may be slow to repaint where
    # the menu was), outside the window while it is open and while it closes, and outside the
    # menu once it is gone. With animations off, outside the window and the menu throughout.
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
    mask+=("$changing")
    read -r w h x y n <<<"$(difference "$before" "$f" "${mask[@]}")"
    [ "${n:-0}" -gt 0 ] || continue
    if [ "$animations" = off ] || [ "$phase" = open ] || [ "$phase" = after ]; then
      stray+=("$t $phase ${w}x$h+$x+$y ($n pixels)")
      convert "$f" "$shots/$name/stray-$phase-$t.png"
      continue
    fi
    # Nothing but the outline: no more pixels than the edges of a few outlines hold (one may
    # still show where the last step was while the desktop repaints there), never a box. The
    # window itself shows at the end of the opening.
    limit=$(((w + h) * 2 * expected))
    if [ "$n" -gt $((limit * 4 + 16)) ] && [ "$phase" = opening ]; then
      read -r w h x y n <<<"$(difference "$before" "$f" "${mask[@]}" "$window")"
      [ "${n:-0}" -gt 0 ] || continue
      limit=$(((w + h) * 2 * expected))
    fi
    if [ "$n" -gt $((limit * 4 + 16)) ]; then
      boxes+=("$t $phase ${w}x$h+$x+$y ($n pixels)")
      convert "$f" "$shots/$name/box-$phase-$t.png"
      continue
    fi
    shown=$((shown + 1))
    # Where the outline meets the changing window, the window shows another colour than in the
    # frame before.
    if meet "$x $y $((x + w)) $((y + h))" "$changing"; then
      crossed=$((crossed + 1))
      [ "$phase" = opening ] && crossedOpening=$((crossedOpening + 1))
      if [ -n "$now" ] && [ -n "$previous" ] && [ "$now" != "$previous" ]; then
        alive=$((alive + 1))
      else
        frozen+=("$t")
      fi
    fi
    convert "$f" "$shots/$name/$phase-$t.png"
    if [ "$n" -gt $((limit * 3 / 2 + 8)) ]; then
      echo "  $t $phase: the outline and what is left of its last place, ${w}x$h+$x+$y ($n pixels)"
      continue
    fi
    local entry="$t $x $y $((x + w)) $((y + h))"
    if [ "$phase" = opening ]; then opening+=("$entry"); else closingSeen+=("$entry"); fi
    if [ "$h" -ge 12 ] && [ "$w" -ge 12 ]; then
      local thick
      thick=$(thickness "$before" "$f" $((x + w / 2)) "$y" "${mask[@]}")
      [ "${thick:-0}" -gt 0 ] && seen[$thick]+=x
    fi
  done

  local lived="$livedBefore of the $beforeFrames frames before the menu"
  [ $((livedBefore * 3)) -ge $((beforeFrames * 2)) ] && [ "$livedBefore" -gt 0 ] &&
    ok "$name: the changing window changes from frame to frame (in $lived)" ||
    fail "$name: the changing window changes from frame to frame (in $lived)"
  if [ "$animations" = off ]; then
    [ ${#stray[@]} -eq 0 ] && ok "$name: no frame differs from the desktop before, outside the window" ||
      fail "$name: frames differ from the desktop before: ${stray[*]}"
    return
  fi
  [ ${#stray[@]} -eq 0 ] &&
    ok "$name: nothing of the outline once the window is open, nor once it is gone" ||
    fail "$name: frames differ while the window is open or after it has gone: ${stray[*]}"
  [ ${#boxes[@]} -eq 0 ] && ok "$name: no frame shows more than the outline (no box, no black taskbar)" ||
    fail "$name: frames show more than the outline: ${boxes[*]}"
  echo "  the outline shows in $shown frames and meets the changing window in $crossed of them" \
    "($crossedOpening opening), where it changed in $alive (not in: ${frozen[*]:-none})"
  [ "$crossedOpening" -ge 1 ] && ok "$name: the opening outline passes over the changing window" ||
    fail "$name: the opening outline passes over the changing window"
  [ "$crossed" -gt "$crossedOpening" ] && ok "$name: the closing outline passes over it too" ||
    fail "$name: the closing outline passes over the changing window"
  # One frame may miss a change when the machine is busy; a picture of the screen misses all.
  [ "$crossed" -ge 1 ] && [ $((alive * 3)) -ge $((crossed * 2)) ] &&
    ok "$name: what lies under the outline goes on changing" ||
    fail "$name: what lies under the outline goes on changing (in $alive of $crossed frames)"
  check_path "$name: opening" "$openFrom" "$window" "${opening[@]}" && ok "$name: opening: $verdict" ||
    fail "$name: opening: $verdict"
  # Closing: towards the anchor the program's rule names as the driver finds it (under Wine the
  # clock end of the taskbar, where the icons are).
  check_path "$name: closing" "$window" "$closeTo" "${closingSeen[@]}" &&
    ok "$name: closing, towards $closeTo: $verdict" || fail "$name: closing, towards $closeTo: $verdict"
  local widths=${!seen[*]}
  echo "  the outline's line seen $widths pixels thick (expected $expected at $dpi dpi)"
  [[ " $widths " == *" $expected "* ]] && ok "$name: the outline is $expected pixels thick" ||
    fail "$name: the outline is $expected pixels thick (seen: $widths)"
}

# check_path WHAT FROM TO "T L T R B"...: true when the outline shows at three places at least,
# each inside the rectangle that holds FROM and TO (a few pixels more), each coming closer to TO
# than the one before; prints what it saw, and leaves what it found in `verdict`.
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
  verdict="at $distinct places from $from to $to"
  [ "$distinct" -ge 3 ] || { verdict+=", too few"; return 1; }
  [ ${#outside[@]} -eq 0 ] || { verdict+=", outside their rectangle: ${outside[*]}"; return 1; }
  [ ${#back[@]} -eq 0 ] || { verdict+=", not coming closer: ${back[*]}"; return 1; }
  verdict+=", each closer than the one before"
}

round off off || fail "the scenario with animations off"
judge off off
round on on || fail "the scenario with animations on"
judge on on
[ -n "${KD_KEEP_FRAMES:-}" ] || rm -rf "$state"/zoom-frames-*
exit $((failures > 0))
