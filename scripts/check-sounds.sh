#!/usr/bin/env bash
# Decodes the two window sounds with sox, an independent decoder, and checks what it finds:
# format, sample count and length. Exits non-zero on any mismatch.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if ! command -v sox >/dev/null || ! command -v soxi >/dev/null; then
  echo "check-sounds: sox is not installed" >&2
  exit 1
fi

failures=0
expect() {  # what, found, wanted
  if [[ "$2" != "$3" ]]; then
    echo "check-sounds: $1 is '$2', expected '$3'" >&2
    failures=$((failures + 1))
  fi
}

check() {  # file, rate, encoding, samples, seconds, size
  local file="$root/resources/$1"
  if [[ ! -f "$file" ]]; then
    echo "check-sounds: $1 is missing" >&2
    failures=$((failures + 1))
    return
  fi
  expect "$1 channels" "$(soxi -c "$file")" 1
  expect "$1 sample rate" "$(soxi -r "$file")" "$2"
  expect "$1 encoding" "$(soxi -e "$file")" "$3"
  expect "$1 samples" "$(soxi -s "$file")" "$4"
  expect "$1 size" "$(stat -c %s "$file")" "$6"
  # Decode the whole file: every sample must come out, over the expected length.
  local stat
  stat=$(sox "$file" -n stat 2>&1)
  expect "$1 samples decoded" "$(awk '/^Samples read:/ {print $3}' <<<"$stat")" "$4"
  expect "$1 length" "$(awk '/^Length \(seconds\):/ {print $3}' <<<"$stat")" "$5"
  local peak
  peak=$(awk '/^Maximum amplitude:/ {print $3}' <<<"$stat")
  if ! awk -v p="$peak" 'BEGIN { exit !(p > 0.1 && p < 0.99) }'; then
    echo "check-sounds: $1 peak $peak is silent or clipped" >&2
    failures=$((failures + 1))
  fi
}

# The opening chime's "fact" chunk announces 11616 samples, but its 23 blocks of 505 samples hold
# 11615; sox counts the blocks, so 11615 samples over 1.451875 s is the right answer here.
check sound16.wav 8000 "IMA ADPCM" 11615 1.451875 5948
check sound24.wav 11025 "Unsigned Integer PCM" 1714 0.155465 1760

if ((failures > 0)); then
  echo "check-sounds: $failures mismatch(es)" >&2
  exit 1
fi
echo "check-sounds: both window sounds decode as expected"
