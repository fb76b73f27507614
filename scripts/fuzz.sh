#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/*.cpp, clang) and runs them:
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Each TARGET (all by default; "program_actions" or "fuzz_program_actions") runs for SECONDS
# (default 20) on a fresh corpus under build/fuzz-corpus/ with its dictionary, fuzz/NAME.dict.
# A target with a corpus of its own in the tree (fuzz/corpus/NAME) first replays it as it is and
# then starts from it; the others start from a few typical texts. For each it prints the inputs
# a second, the peak memory and what the run found. It fails on the first crash, sanitizer
# report, leak, timeout or escaped exception; the input that caused it is left in
# build/fuzz-artifacts/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true

targets=()
if (($#)); then
  for name in "$@"; do
    name=fuzz_${name#fuzz_}
    [ -f "$root/fuzz/$name.cpp" ] || { echo "no fuzz target $name" >&2; exit 2; }
    targets+=("$name")
  done
else
  for src in "$root"/fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
((${#targets[@]})) || { echo "no fuzz targets"; exit 0; }

# The fuzz preset, as "scripts/build.sh fuzz" builds it, but only these targets.
(cd "$root" && cmake --preset fuzz >/dev/null)
cmake --build "$root/build/fuzz" -j"${KESTAL_JOBS:-$(nproc)}" --target "${targets[@]}"

# Typical inputs of every kind, so that each text target starts from texts the program meets.
seeds=(
  "15/06/2002" "1/6/2002" "15-6-02" "15.06.2002" "Sabato 15 Giugno 2002" "15 giu 2002"
  "2002-06-15" "15/06/2002 10:30:00" "lunedì 17 giugno 2002" "01/01/0800"
  "-1/6707.26" "0/0206.15" "-12/0001.01" "79/9912.31" "-1/6702.31"
  "-320545.2" "1000.0" " 56789.3" "7676997.3" "-2222997.3" "1,5" "-0.25"
  "mercoledì 26 luglio 1967" "dodici-tre" "ìèé ıſ ÿ"
)

# Each line of a run's output with the moment it came (seconds since 1970).
stamped() {
  local line
  while IFS= read -r line; do printf '%s %s\n' "$EPOCHREALTIME" "$line"; done
}

# What a run's log says: the inputs a second (the median of the run's seconds after the start,
# and libFuzzer's average over the whole run), the peak memory, and the corpus and coverage
# reached.
report() {
  local log=$1
  local median average rss
  median=$(awk '
    $2 ~ /^#[0-9]+$/ && $3 != "INITED" && $3 != "DONE" {
      if (!started) { started = 1; t0 = $1 }
      second = int($1 - t0); count[second] = substr($2, 2) + 0; if (second > last) last = second
    }
    END {
      for (s = 1; s < last; s++) if (s in count) {
        for (p = s - 1; p >= 0 && !(p in count); p--) {}
        if (p >= 0) rates[++n] = (count[s] - count[p]) / (s - p)
      }
      for (i = 2; i <= n; i++) for (j = i; j > 1 && rates[j - 1] > rates[j]; j--) {
        t = rates[j]; rates[j] = rates[j - 1]; rates[j - 1] = t
      }
      if (n) printf "%d", rates[int((n + 1) / 2)]
    }' "$log")
  average=$(sed -n 's/.*stat::average_exec_per_sec: *//p' "$log")
  rss=$(sed -n 's/.*stat::peak_rss_mb: *//p' "$log")
  echo "   inputs a second: ${median:-?} (median of the run's seconds), ${average:-?} on average"
  echo "   peak memory: ${rss:-?} MB"
  grep -E '#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 |
    sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+)\/([^ ]+).*/   found: no failure; \3 inputs kept (\4), \1 edges and \2 features covered/'
}

artifacts="$root/build/fuzz-artifacts"
mkdir -p "$artifacts"
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus="$root/build/fuzz-corpus/$target"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  log="$artifacts/$target.log"
  options=(-max_len=512)
  dict=
  if [ -f "$root/fuzz/$name.dict" ]; then
    dict=fuzz/$name.dict
    options+=(-dict="$root/$dict")
  fi
  committed="$root/fuzz/corpus/$name"
  if [ -d "$committed" ]; then
    cp "$committed"/* "$corpus"/
    options[0]=-max_len=4096
    echo "== $target: replaying fuzz/corpus/$name"
    if ! nice "$root/build/fuzz/$target" -runs=0 -artifact_prefix="$artifacts/$target-" \
        "$committed" >"$log" 2>&1; then
      tail -n 60 "$log" >&2
      finding=$(grep -m1 -E '^\*\*\* |ERROR: |^SUMMARY: ' "$log" || true)
      echo "   found: ${finding:-a failure, above}" >&2
      echo "fuzz target $target fails on its committed corpus" >&2
      exit 1
    fi
  else
    for i in "${!seeds[@]}"; do printf '%s' "${seeds[$i]}" >"$corpus/seed$i"; done
  fi
  echo "== $target: ${seconds} s${dict:+ with $dict}"
  if ! nice "$root/build/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
      "${options[@]}" -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" 2>&1 | stamped >"$log"; then
    cut -d' ' -f2- "$log" | tail -n 60 >&2
    finding=$(cut -d' ' -f2- "$log" | grep -m1 -E '^\*\*\* |ERROR: |^SUMMARY: ' || true)
    input=$(ls -t "$artifacts/$target-"* 2>/dev/null | head -n 1 || true)
    echo "   found: ${finding:-a failure, above}" >&2
    echo "   the input: ${input:-in $artifacts/}" >&2
    if [ "$target" = fuzz_program_actions ]; then
      echo "   it prints as its actions: build/native/kestal_replay_actions FILE, or" \
        "KESTAL_FUZZ_TRACE=1 build/fuzz/fuzz_program_actions FILE" >&2
    fi
    exit 1
  fi
  report "$log"
done
