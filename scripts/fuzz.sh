#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/*.cpp, clang) and runs each for SECONDS (default 20) on a
# fresh corpus under build/fuzz-corpus/, seeded with a few typical inputs. Fails on the first
# crash, sanitizer report, leak, timeout or escaped exception; the input that caused it is left
# in build/fuzz-artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}

targets=()
for src in "$root"/fuzz/*.cpp; do
  targets+=("$(basename "$src" .cpp)")
done
((${#targets[@]})) || { echo "no fuzz targets"; exit 0; }

# The fuzz preset, as "scripts/build.sh fuzz" builds it, but only the fuzz targets.
(cd "$root" && cmake --preset fuzz >/dev/null)
cmake --build "$root/build/fuzz" -j"${KESTAL_JOBS:-$(nproc)}" --target "${targets[@]}"

# Typical inputs of every kind, so that each target starts from texts the program meets.
seeds=(
  "15/06/2002" "1/6/2002" "15-6-02" "15.06.2002" "Sabato 15 Giugno 2002" "15 giu 2002"
  "2002-06-15" "15/06/2002 10:30:00" "lunedì 17 giugno 2002" "01/01/0800"
  "-1/6707.26" "0/0206.15" "-12/0001.01" "79/9912.31" "-1/6702.31"
  "-320545.2" "1000.0" " 56789.3" "7676997.3" "-2222997.3" "1,5" "-0.25"
  "mercoledì 26 luglio 1967" "dodici-tre" "ìèé ıſ ÿ"
)

artifacts="$root/build/fuzz-artifacts"
mkdir -p "$artifacts"
for target in "${targets[@]}"; do
  corpus="$root/build/fuzz-corpus/$target"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  for i in "${!seeds[@]}"; do printf '%s' "${seeds[$i]}" >"$corpus/seed$i"; done
  echo "== $target: ${seconds} s"
  log="$artifacts/$target.log"
  if ! nice "$root/build/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
      -max_len=512 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "fuzz target $target failed; the input is in $artifacts" >&2
    exit 1
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
done
