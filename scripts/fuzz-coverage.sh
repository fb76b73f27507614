#!/usr/bin/env bash
# How much of the window code a corpus of the program's fuzz target reaches: builds the replay
# program with clang's source coverage in build/coverage, replays the corpus (by default the one
# the last fuzz run left, build/fuzz-corpus/fuzz_program_actions, else the committed one) and
# prints the line and branch coverage of tray/, convert/, settings/, conventions/, effects/ and
# forms/. Not part of the test run.
#   scripts/fuzz-coverage.sh [CORPUS_FOLDER...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/coverage

corpora=("$@")
if ((${#corpora[@]} == 0)); then
  corpora=("$root/build/fuzz-corpus/fuzz_program_actions")
  [ -d "${corpora[0]}" ] || corpora=("$root/fuzz/corpus/program_actions")
fi

profdata=$(command -v llvm-profdata-14 || command -v llvm-profdata)
cov=$(command -v llvm-cov-14 || command -v llvm-cov)

flags="-fprofile-instr-generate -fcoverage-mapping"
nice cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DKESTAL_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
nice cmake --build "$build" -j"${KESTAL_JOBS:-2}" --target kestal_replay_actions

rm -f "$build"/replay-*.profraw
# One profile a process; the corpus in pieces, so that no command line grows too long.
find "${corpora[@]}" -type f -print0 | sort -z |
  LLVM_PROFILE_FILE="$build/replay-%p.profraw" xargs -0 -n 500 \
    "$build/kestal_replay_actions" >/dev/null
"$profdata" merge -sparse "$build"/replay-*.profraw -o "$build/replay.profdata"
echo "inputs: $(find "${corpora[@]}" -type f | wc -l)"
"$cov" report "$build/kestal_replay_actions" -instr-profile="$build/replay.profdata" \
  "$root"/tray "$root"/convert "$root"/settings "$root"/conventions "$root"/effects \
  "$root"/forms "$root"/services
