#!/usr/bin/env bash
# Plays the text-fit scenario at each screen density, in a Wine prefix of its own set to that
# density, reads every caption back from the screenshots with OCR (read-captions.sh), and puts
# every window's screenshot on one contact sheet for a person to look at:
#   densities.sh STATE DRIVER PROGRAM SHOTS [DPI...]      96 120 144 192 by default
# The sheet is SHOTS/contact-sheet.png; each density's pictures are under SHOTS/DPI/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

state=$(realpath -m "$1") driver=$2 program=$3 shots=$(realpath -m "$4")
shift 4
densities=("$@")
[ ${#densities[@]} -gt 0 ] || densities=(96 120 144 192)

rm -rf "$shots"
mkdir -p "$shots"
failed=()
for dpi in "${densities[@]}"; do
  echo "== $dpi dpi"
  # At 200 % the conventions window is about 1030 pixels wide: a larger screen holds it.
  screen=1024x768
  [ "$dpi" -le 144 ] || screen=1600x1200
  export KD_DPI=$dpi KD_SCREEN=$screen
  if bash "$here/fixture.sh" up "$state/$dpi" "$driver" &&
    bash "$here/scenario.sh" "$state/$dpi" "$driver" "$program" text-fit "$shots/$dpi" 120 &&
    bash "$here/read-captions.sh" "$shots/$dpi" "$dpi"; then
    :
  else
    failed+=("$dpi")
  fi
  bash "$here/fixture.sh" down "$state/$dpi" >/dev/null || true
done

# One row a density, one column a window, at their real sizes.
pictures=()
for dpi in "${densities[@]}"; do
  for window in conversion-window conventions-window About-window About-window-Next-Generation; do
    picture="$shots/$dpi/${dpi}dpi-$window.png"
    [ -f "$picture" ] && pictures+=(-label "$dpi dpi, $window" "$picture")
  done
done
if [ ${#pictures[@]} -gt 0 ]; then
  montage -font /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf -pointsize 14 \
    -background '#303030' -fill white -geometry +8+8 -tile 4x "${pictures[@]}" \
    "$shots/contact-sheet.png" && echo "contact sheet: $shots/contact-sheet.png"
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "text fit failed at: ${failed[*]} dpi"
  exit 1
fi
