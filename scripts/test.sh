#!/usr/bin/env bash
# Builds everything and runs every test: unit and window tests (natively in a Release build,
# then again under AddressSanitizer and UndefinedBehaviorSanitizer), a short run of every fuzz
# target, the end-to-end tests of the real program and of its installer under Wine, and the
# check that the release comes out byte for byte the same from two builds. Ends with the time
# each stage took.
set -Eeuo pipefail
# No step fails without saying which: the command, where, and its exit code (its own output, or
# the log it names, is just above).
trap 'echo "test.sh: step failed (exit $?) at line $LINENO: $BASH_COMMAND" >&2' ERR
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

timings=() stage_name="" stage_start=$SECONDS
stage() {
  [ -z "$stage_name" ] || timings+=("$(printf '%5d s  %s' $((SECONDS - stage_start)) "$stage_name")")
  stage_name=$1 stage_start=$SECONDS
  [ -z "$1" ] || echo "== $1"
}

stage "packages"
"$root/scripts/install-deps.sh"

stage "native build and tests"
"$root/scripts/build.sh" native
ctest --preset native -j"$(nproc)"

stage "window sounds decoded by sox"
"$root/scripts/check-sounds.sh"

stage "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" sanitize
ctest --preset sanitize -j"$(nproc)"

if compgen -G "$root/fuzz/*.cpp" >/dev/null; then
  stage "fuzz targets (${FUZZ_SECONDS:-20} s each)"
  "$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-20}"
fi

if compgen -G "$root/platform/win32/*.cpp" >/dev/null; then
  stage "Windows build"
  "$root/scripts/build.sh" windows
  stage "end-to-end tests under Wine"
  ctest --preset windows
  echo "end-to-end screenshots: build/windows/e2e/screenshots/"

  stage "release built twice: the same bytes"
  "$root/scripts/check-reproducible.sh"
fi

stage ""
echo "== time taken"
printf '%s\n' "${timings[@]}"
echo "$(printf '%5d s' "$SECONDS")  in all"
