#!/usr/bin/env bash
# Reads every caption that the text-fit scenario listed back from the screen with OCR, and checks
# that its last words show: a caption cut by its box loses them.
#   read-captions.sh SHOTS DPI
# SHOTS/captions.tsv has a line a caption: its crop of the window's picture (black ink on white,
# under SHOTS/), the last words to find there and the caption as the report names it. Each crop
# is enlarged to four times the size of 96 dpi text before reading. OCR misreads a letter here
# and there in small text, and parts or joins words: the last words pass when they are found
# with at most one letter in five different, so words that lost more than that to the box's
# edge, or are missing, fail.
set -euo pipefail

shots=$(realpath -m "$1") dpi=$2
list=$shots/captions.tsv
[ -s "$list" ] || { echo "no captions were listed in $list"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scale=$((400 * 96 / dpi))

n=0
while IFS=$'\t' read -r crop _; do
  n=$((n + 1))
  convert "$shots/$crop" -resize "${scale}%" -bordercolor white -border 20 "$work/$n.png"
  echo "$work/$n.png" >>"$work/crops.txt"
done <"$list"
# One run for all the crops: each is a page of its own, the pages parted by form feeds.
OMP_THREAD_LIMIT=1 tesseract "$work/crops.txt" "$work/read" -l ita --psm 6 quiet

# As the driver wrote the words: accents dropped, lower case, letters and digits only.
normal() {
  sed 's/[àáâäÀÁ]/a/g; s/[èéêëÈÉ]/e/g; s/[ìíîïÌÍ]/i/g; s/[òóôöÒÓ]/o/g; s/[ùúûüÙÚ]/u/g' |
    tr 'A-Z\t\n\r' 'a-z   ' | LC_ALL=C tr -cd 'a-z0-9 ' | tr -s ' '
}

n=0
while IFS=$'\t' read -r _ words what; do
  n=$((n + 1))
  read=$(awk -v page="$n" 'BEGIN { RS = "\f" } NR == page { print; exit }' "$work/read.txt" |
    normal)
  printf '%s\t%s\t%s\n' "$words" "$read" "$what"
done <"$list" | awk -F'\t' -v dpi="$dpi" '
  # The fewest letters to change, add or drop to find `wanted` anywhere in `read` (blanks aside:
  # OCR parts and joins words at will).
  function closest(wanted, read,   i, j, m, n, d, best, cost) {
    gsub(/ /, "", wanted); gsub(/ /, "", read)
    m = length(wanted); n = length(read)
    for (j = 0; j <= n; j++) d[0, j] = 0
    for (i = 1; i <= m; i++) {
      d[i, 0] = i
      for (j = 1; j <= n; j++) {
        cost = substr(wanted, i, 1) != substr(read, j, 1)
        d[i, j] = d[i - 1, j - 1] + cost
        if (d[i - 1, j] + 1 < d[i, j]) d[i, j] = d[i - 1, j] + 1
        if (d[i, j - 1] + 1 < d[i, j]) d[i, j] = d[i, j - 1] + 1
      }
    }
    best = m
    for (j = 0; j <= n; j++) if (d[m, j] < best) best = d[m, j]
    return best
  }
  {
    wanted = $1; gsub(/ /, "", wanted)
    if (closest($1, $2) <= int(length(wanted) / 5)) print "ok   " dpi " dpi, " $3 " shows whole"
    else { print "FAIL " dpi " dpi, " $3 " is cut: read \"" $2 "\", not its last words \"" $1 "\""; cut++ }
  }
  END { print NR " captions read back at " dpi " dpi, " cut + 0 " cut"; exit cut > 0 }'
