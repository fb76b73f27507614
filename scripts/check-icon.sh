#!/usr/bin/env bash
# Lists the program's icon with icotool (icoutils), a reader independent of our generator, and
# checks that it holds exactly the images Windows needs: the 16-colour 32 x 32 image, then
# 32-bit images with alpha for every small and large icon size from 100 % to 225 %, and the
# 256-pixel one (stored as PNG, as are those from 36 pixels up, which icotool reads too).
#   check-icon.sh [ICON]        resources/kestal.ico by default
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icon=${1:-$root/resources/kestal.ico}

if ! command -v icotool >/dev/null; then
  echo "check-icon: icotool (icoutils) is not installed" >&2
  exit 1
fi

expected="--icon --index=1 --width=32 --height=32 --bit-depth=4 --palette-size=16"
index=2
for size in 16 20 24 28 32 36 40 48 64 256; do
  expected+=$'\n'"--icon --index=$index --width=$size --height=$size --bit-depth=32 --palette-size=0"
  index=$((index + 1))
done

listed=$(icotool -l "$icon")
if [[ "$listed" != "$expected" ]]; then
  echo "check-icon: $icon does not hold the expected images" >&2
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$listed") | sed 's/^/  /' >&2 || true
  exit 1
fi
echo "check-icon: $icon holds the 16-colour 32 x 32 image and the 32-bit images"
