#!/usr/bin/env bash
# Builds what is asked, each with its preset of CMakePresets.json, into build/NAME:
#   native     library, unit and window tests, tools (Release)
#   sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz       the libFuzzer targets (clang)
#   bench      the benchmarks (Release)
#   windows    KestalDate.exe and the end-to-end driver, cross-built with MinGW-w64
#   release    the release artifacts in build/release/: the portable zip and the installer,
#              with their SHA-256 checksums (built in build/package)
# Warnings are errors in all of them. KESTAL_JOBS sets the parallel jobs (default: all cores).
# Missing Debian packages are installed first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${KESTAL_JOBS:-$(nproc)}
cd "$root"
"$root/scripts/install-deps.sh"

for what in "${@:-native}"; do
  case "$what" in
    native | sanitize | fuzz | bench | windows)
      cmake --preset "$what" >/dev/null
      cmake --build --preset "$what" -j"$jobs"
      ;;
    release)
      cmake --preset release >/dev/null
      cmake --build --preset release -j"$jobs"
      # Only this release's artifacts stay in build/release/.
      rm -rf build/release
      cpack --preset release
      rm -rf build/release/_CPack_Packages
      echo "release artifacts in build/release/:"
      (cd build/release && ls -l --time-style=+ -- * | awk '{print "  " $5 "  " $NF}')
      ;;
    *) echo "unknown build: $what" >&2; exit 2 ;;
  esac
done
