#!/usr/bin/env bash
# The README's pictures of the program (docs/pictures/) from the last end-to-end run
# (build/windows/e2e/screenshots/pictures/, made by e2e.pictures).
#   scripts/update-pictures.sh           copies them into docs/pictures/
#   scripts/update-pictures.sh --check   only says which of them differ from the windows of now
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
made=$root/build/windows/e2e/screenshots/pictures
kept=$root/docs/pictures
check=0
[ "${1:-}" = --check ] && check=1

shopt -s nullglob
pictures=("$made"/*.png)
if ((${#pictures[@]} == 0)); then
  echo "no pictures in $made: run the end-to-end tests first (ctest --preset windows -R pictures)"
  exit "$check"
fi
differ=()
for picture in "${pictures[@]}"; do
  name=$(basename "$picture")
  # The tooltip shows today's stardate: it differs every day, not only when the program changes.
  [ "$check" = 1 ] && [ "$name" = tooltip.png ] && continue
  # Pixels compared, not files: the PNG encoder's bytes may differ for the same picture.
  if [ -f "$kept/$name" ] &&
      [ "$(compare -metric AE "$picture" "$kept/$name" null: 2>&1 || true)" = 0 ]; then
    continue
  fi
  differ+=("$name")
  if [ "$check" = 0 ]; then
    mkdir -p "$kept"
    # No dates or other metadata in the file: the same picture gives the same bytes.
    convert "$picture" -strip -define png:exclude-chunks=date,time "$kept/$name"
  fi
done
if ((${#differ[@]} == 0)); then
  echo "the README's pictures show the windows of now"
elif [ "$check" = 1 ]; then
  echo "the README's pictures differ from the windows of now: ${differ[*]} (scripts/update-pictures.sh)"
else
  echo "updated in docs/pictures/: ${differ[*]}"
fi
