#!/usr/bin/env bash
# Builds everything and runs every test: unit and window tests (natively, then again under
# AddressSanitizer and UndefinedBehaviorSanitizer), a short run of every fuzz target, and the
# end-to-end tests of the real program under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"

echo "== native build and tests"
"$root/scripts/build.sh" native
ctest --test-dir build/native --output-on-failure -j"$(nproc)"

echo "== window sounds decoded by sox"
"$root/scripts/check-sounds.sh"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" sanitize
ctest --test-dir build/sanitize --output-on-failure -j"$(nproc)"

if compgen -G "$root/fuzz/*.cpp" >/dev/null; then
  echo "== fuzz targets (${FUZZ_SECONDS:-20} s each)"
  "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-20}"
fi

if compgen -G "$root/platform/win32/*.cpp" >/dev/null; then
  echo "== Windows build and end-to-end tests under Wine"
  "$root/scripts/build.sh" windows
  ctest --test-dir build/windows --output-on-failure
  echo "end-to-end screenshots: build/windows/e2e/screenshots/"
fi
