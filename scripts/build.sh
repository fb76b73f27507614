#!/usr/bin/env bash
# Builds what is asked: "native" (library, tests, tools), "windows" (KestalDate.exe and the
# end-to-end driver, cross-built with MinGW-w64), "sanitize", "fuzz" or "bench".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

# Warnings are errors in our own builds, never in a user's plain one.
build() {  # dir, extra cmake arguments...
  local dir=$1; shift
  cmake -S "$root" -B "$root/build/$dir" -DKESTAL_WERROR=ON "$@" >/dev/null
  cmake --build "$root/build/$dir" -j"$jobs"
}

for what in "${@:-native}"; do
  case "$what" in
    native)   build native ;;
    sanitize) build sanitize -DKESTAL_SANITIZE=ON -DKESTAL_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo ;;
    bench)    build bench -DCMAKE_BUILD_TYPE=Release ;;
    fuzz)     build fuzz -DKESTAL_FUZZ=ON -DKESTAL_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
                -DCMAKE_CXX_COMPILER=clang++ ;;
    windows)  build windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
                -DCMAKE_BUILD_TYPE=MinSizeRel ;;
    *) echo "unknown build: $what" >&2; exit 2 ;;
  esac
done
