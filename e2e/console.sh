#!/usr/bin/env bash
# kestaldate.exe under Wine, as a script meets it: its output piped and compared byte for byte as
# UTF-8 (CR LF line ends, accented long dates), its messages on standard error, its exit status,
# today's stardate in the convention stored for the tooltip, and a console program apart from
# the tray program, which has none.
#   console.sh STATE CONSOLE_EXE TRAY_EXE        STATE: a folder for the Wine prefix
set -euo pipefail
. "$(dirname "$0")/../scripts/wine-env.sh"

state=$(realpath -m "$1") console=$2 tray=$3
mkdir -p "$state"
kd_wine_prefix "$state/prefix"
trap kd_wine_stop EXIT

failures=0
expected=$state/expected actual=$state/actual
# Compares the file $actual with the lines given (each ended with CR LF, as on Windows).
check_lines() {  # what, lines...
  local what=$1
  shift
  if (($#)); then printf '%s\r\n' "$@" >"$expected"; else : >"$expected"; fi
  if cmp -s "$expected" "$actual"; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    echo "     expected:"; sed 's/^/       /' "$expected" | cat -A
    echo "     got:"; sed 's/^/       /' "$actual" | cat -A
    failures=$((failures + 1))
  fi
}
check() {  # what, expected, actual
  if [ "$2" == "$3" ]; then
    echo "ok   $1"
  else
    echo "FAIL $1: expected $2, got $3"
    failures=$((failures + 1))
  fi
}

# Runs the exe with the words given, standard input from $input; its standard output in $out,
# its messages in $err (Wine's own lines, if any, left out) and its exit status in $status.
input=
out=$state/out err=$state/err
run() {
  status=0
  printf '%s' "$input" | timeout 60 wine "$console" "$@" >"$out" 2>"$err.all" || status=$?
  grep -a '^kestaldate' "$err.all" >"$err" || true
}

input=
run -d -1/6707.26 0/0001.01 -320545.0 -- -321000.0
cp "$out" "$actual"
check_lines "stardates to accented long dates, in UTF-8 with CR LF" "Mercoledì 26 Luglio 1967" \
  "Sabato 1 Gennaio 2000" "Sabato 15 Giugno 2002, ore 2" "Lunedì 31 Dicembre 2001"
check "  exit status 0" 0 "$status"

input=$(printf '26/07/1967\r\nmercoledì 26 luglio 1967\nnon è una data\n1967-07-26')
run -c -
cp "$out" "$actual"
check_lines "standard input: one line for each, empty for the one refused" \
  "-1/6707.26" "-1/6707.26" "" "-1/6707.26"
cp "$err" "$actual"
check_lines "  its message names the line, in UTF-8" \
  'kestaldate: riga 3: "non è una data": Il valore immesso non è una data valida!'
check "  exit status 1" 1 "$status"

input=
run -n 31/12/2323 15/06/2002
cp "$out" "$actual"
check_lines "Next Generation numbers, without a blank before one of 0 or more" "1000" "-320545.2"

run --frobnicate
check "a word it does not know: exit status 2" 2 "$status"
cp "$err" "$actual"
check_lines "  and one line naming it" \
  'kestaldate: opzione sconosciuta "--frobnicate" (i comandi: kestaldate --help)'

# Today's stardate: classic with no setting, Next Generation with any text stored for the tooltip.
settings='HKCU\Software\KestalDate'
wine reg delete "$settings" /f >/dev/null 2>&1 || true
run -c
classic=$(cat "$out")
run -n
ng=$(cat "$out")
run
check "today, no setting: the classic stardate" "$classic" "$(cat "$out")"
kd_wine_reg_add "$settings\\Impostazioni" /v Data /t REG_SZ /d "Next Generation"
run
check "today, the tooltip set to Next Generation: its stardate" "$ng" "$(cat "$out")"
wine reg delete "$settings" /f >/dev/null 2>&1 || true

subsystem() { x86_64-w64-mingw32-objdump -p "$1" | awk '$1 == "Subsystem" { print $2 }'; }
check "kestaldate.exe is a console program" 00000003 "$(subsystem "$console")"
check "KestalDate.exe has no console: none flashes when it starts" 00000002 "$(subsystem "$tray")"

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "kestaldate.exe gives what it should"
