#!/usr/bin/env bash
# Builds what is asked, each with its preset of CMakePresets.json, into build/NAME:
#   native     library, unit and window tests, tools (Release)
#   sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz       the libFuzzer targets (clang)
#   bench      the benchmarks (Release)
#   windows    KestalDate.exe and the end-to-end driver, cross-built with MinGW-w64
# Warnings are errors in all of them. KESTAL_JOBS sets the parallel jobs (default: all cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${KESTAL_JOBS:-$(nproc)}
cd "$root"

for what in "${@:-native}"; do
  case "$what" in
    native | sanitize | fuzz | bench | windows)
      cmake --preset "$what" >/dev/null
      cmake --build --preset "$what" -j"$jobs"
      ;;
    *) echo "unknown build: $what" >&2; exit 2 ;;
  esac
done
