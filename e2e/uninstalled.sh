#!/usr/bin/env bash
# What the silent uninstall must leave: no key or value of ours in the registry, each key that
# the installer or the program writes asked for with `wine reg query`, and then the whole
# registry and the prefix's drive searched for our name.
#   uninstalled.sh STATE        STATE: the installer scenarios' desktop (fixture.sh up)
set -euo pipefail
. "$(dirname "$0")/../scripts/wine-env.sh"

state=$(realpath -m "$1")
[ -f "$state/display.env" ] || { echo "the desktop is not up" >&2; exit 1; }
# shellcheck disable=SC1091
. "$state/display.env"
export DISPLAY
kd_wine_env "$state/prefix"

failures=0
fail() {
  echo "FAIL $1"
  failures=$((failures + 1))
}

# Every key and value that the installer (the entry in installed programs), the program (the
# settings key, the autostart values) and Windows (the marks in its list of start-up apps) write.
run='Software\Microsoft\Windows\CurrentVersion\Run'
gone() {  # what, then the arguments of reg query
  local what=$1 found
  shift
  if found=$(timeout 60 wine reg query "$@" 2>/dev/null); then
    fail "$what is left:"
    printf '%s\n' "$found" | iconv -f CP437 -t UTF-8 | tr -d '\r'
  else
    echo "ok   $what is gone"
  fi
}
gone "the settings key" 'HKCU\Software\KestalDate'
gone "the entry in installed programs" \
  'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\KestalDate'
gone "the per-user autostart value" "HKCU\\$run" /v KestalDate
gone "the machine-wide autostart value" "HKLM\\$run" /v KestalDate
approved='Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
gone "the per-user start-up app mark" "HKCU\\$approved" /v KestalDate
gone "the machine-wide start-up app mark" "HKLM\\$approved" /v KestalDate

# Anything else with our name: the two hives as text, and the files of the prefix's drive.
for hive in HKCU HKLM; do
  export_file=$state/$hive.reg
  if ! timeout 60 wine reg export "$hive" "$(kd_windows_path "$export_file")" /y \
      >/dev/null 2>&1; then
    fail "$hive cannot be exported"
    continue
  fi
  if found=$(iconv -f UTF-16 -t UTF-8 "$export_file" | tr -d '\r' | grep -i 'kestal'); then
    fail "$hive still names the program:"
    printf '%s\n' "$found" | head -20
  else
    echo "ok   nothing in $hive names the program"
  fi
  rm -f "$export_file"
done
if found=$(find "$WINEPREFIX/drive_c" -iname '*kestal*' | head -20) && [ -n "$found" ]; then
  fail "files with the program's name are left:"
  printf '%s\n' "$found"
else
  echo "ok   no file in the prefix has the program's name"
fi

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "nothing of the program is left"
