#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz target of the code-book loader with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-fuzz/) and runs it
# for a bounded time. The seeds are tests/fuzz/corpus/ and the shipped code
# book; what the fuzzer learns goes to build-fuzz/corpus/ (or to the folder
# MSS65_FUZZ_CORPUS names), a crash or a wrong acceptance to
# build-fuzz/artifacts/ (replay one with
# build-fuzz/codebook_fuzz FILE, or add it to tests/fuzz/corpus/).
#
#   bash tests/fuzz/run.sh [SECONDS] [LIBFUZZER FLAGS...]    (default 30 s)
#
# A long run, e.g. overnight on both cores, keeping what it learns:
#   bash tests/fuzz/run.sh 28800 -jobs=2 -workers=2
#
# Besides the hand-made seeds (named for what they hold), tests/fuzz/corpus/
# keeps the minimised corpus of a long run (files named by their SHA-1), so
# that the short run starts from the coverage the long one reached. To bring
# it up to date after a long run, minimise this folder and the long run's
# corpus into an empty folder, then replace the SHA-1-named files here with
# the result, leaving out copies of the hand-made seeds:
#   mkdir build-fuzz/merged
#   build-fuzz/codebook_fuzz -merge=1 -max_len=300000 build-fuzz/merged \
#     tests/fuzz/corpus build-fuzz/corpus
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
seconds=${1:-30}
shift || true

out=build-fuzz
learned=${MSS65_FUZZ_CORPUS:-$out/corpus}
mkdir -p "$out/obj" "$learned" "$out/artifacts"
flags=(-std=c++20 -g -O2 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -fno-omit-frame-pointer -I"$root" -DMSS_CODEBOOK_FILE="\"$root/data/codebook.tsv\"")
sources=(codebook/*.cpp tests/fuzz/codebook_fuzz.cpp)

# Rebuild when a source or header is newer than the target.
target=$out/codebook_fuzz
if [ ! -x "$target" ] || [ -n "$(find codebook tests/fuzz/codebook_fuzz.cpp tests/fuzz/run.sh -newer "$target" -print -quit)" ]; then
  echo "Сборка цели фаззинга загрузчика кодовой книги (clang)"
  objects=()
  pids=()
  for src in "${sources[@]}"; do
    obj=$out/obj/$(echo "$src" | tr '/' '_').o
    clang++ "${flags[@]}" -c "$src" -o "$obj" &
    pids+=($!)
    objects+=("$obj")
  done
  failed=0
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  [ "$failed" -eq 0 ] || { echo "the fuzz target does not compile" >&2; exit 1; }
  clang++ "${flags[@]}" "${objects[@]}" -o "$target"
fi

book=$root/data/codebook.tsv   # the edit inputs of the target start from it too
max_len=$(( $(stat -c %s "$book") + 4096 ))
"$target" "$learned" tests/fuzz/corpus \
  -seed_inputs="$book" \
  -dict=tests/fuzz/codebook.dict \
  -max_len="$max_len" \
  -timeout=10 \
  -max_total_time="$seconds" \
  -artifact_prefix="$out/artifacts/" \
  -print_final_stats=1 \
  "$@"
