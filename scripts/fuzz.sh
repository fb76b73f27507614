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
  log="$artifacts/$target.log"
  options=(-max_len=512)
  # A target with a corpus and a dictionary of its own in the tree (fuzz/corpus/TARGET,
  # fuzz/TARGET.dict) starts from that corpus, which it first replays as it is; the texts above
  # seed the others.
  committed="$root/fuzz/corpus/${target#fuzz_}"
  if [ -d "$committed" ]; then
    cp "$committed"/* "$corpus"/
    options=(-max_len=4096)
    [ -f "$root/fuzz/${target#fuzz_}.dict" ] && options+=(-dict="$root/fuzz/${target#fuzz_}.dict")
    echo "== $target: replaying fuzz/corpus/${target#fuzz_}"
    if ! nice "$root/build/fuzz/$target" -runs=0 "$committed" >"$log" 2>&1; then
      tail -n 60 "$log" >&2
      echo "fuzz target $target fails on its committed corpus" >&2
      exit 1
    fi
  else
    for i in "${!seeds[@]}"; do printf '%s' "${seeds[$i]}" >"$corpus/seed$i"; done
  fi
  echo "== $target: ${seconds} s"
  if ! nice "$root/build/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
      "${options[@]}" -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "fuzz target $target failed; the input is in $artifacts" >&2
    exit 1
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
done
echo "a failing input prints as its actions: KESTAL_FUZZ_TRACE=1 build/fuzz/fuzz_program_actions FILE, or build/native/kestal_replay_actions FILE"
