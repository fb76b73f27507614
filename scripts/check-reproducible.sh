#!/usr/bin/env bash
# The release must not depend on where or when it is built: builds the release (build/package,
# artifacts in build/release/) and packs the Windows build of the end-to-end tests
# (build/windows, the same configuration in another folder, made at another time), then
# compares KestalDate.exe, kestaldate.exe, the zip and the installer byte for byte, and looks for
# the build folders' paths inside the exes. Exits non-zero on any difference.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/build.sh" windows release >/dev/null
cpack --config build/windows/CPackConfig.cmake -B build/windows/package >/dev/null

failures=0
compare() {  # name, first file, second file
  local a b
  a=$(sha256sum "$2" | cut -d' ' -f1)
  b=$(sha256sum "$3" | cut -d' ' -f1)
  if [ "$a" = "$b" ]; then
    printf '  %-34s %8s bytes  sha256 %s  identical\n' "$1" "$(stat -c %s "$2")" "$a"
  else
    printf '  %-34s differs: %s (%s) and %s (%s)\n' "$1" "$a" "$2" "$b" "$3"
    failures=$((failures + 1))
  fi
}

echo "release (build/package) against the same commit built in build/windows:"
compare KestalDate.exe build/package/KestalDate.exe build/windows/KestalDate.exe
compare bin/kestaldate.exe build/package/bin/kestaldate.exe build/windows/bin/kestaldate.exe
shopt -s nullglob
artifacts=(build/release/*.zip build/release/*.exe)
if ((${#artifacts[@]} != 2)); then
  echo "expected a zip and an installer in build/release/" >&2
  exit 1
fi
for artifact in "${artifacts[@]}"; do
  name=$(basename "$artifact")
  compare "$name" "$artifact" "build/windows/package/$name"
done
for exe in build/package/KestalDate.exe build/windows/KestalDate.exe \
  build/package/bin/kestaldate.exe build/windows/bin/kestaldate.exe; do
  if grep -q -a -e "$root" "$exe"; then
    echo "  $exe holds the path $root"
    failures=$((failures + 1))
  fi
done

if ((failures > 0)); then
  echo "the release is not reproducible: $failures difference(s)" >&2
  exit 1
fi
echo "the release is reproducible"
