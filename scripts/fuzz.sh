#!/usr/bin/env bash
# Builds each fuzz target with clang and libFuzzer under ASan+UBSan and runs it for FUZZ_SECONDS
# (default 60) on a copy of its seed corpus, which stays as it is. Fails on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh fuzz

seconds="${FUZZ_SECONDS:-60}"
out=build/fuzz
mkdir -p "$out"
for target in SaveValue QueryValue RegFile; do
  clang++ -std=c++20 -g -O1 -Wall -Wextra -Wpedantic -Wshadow -Werror -I. \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    registry/Module1.cpp registry/RegValue.cpp registry/MemoryRegistry.cpp regfile/*.cpp \
    "tests/fuzz/${target}Fuzz.cpp" -o "$out/$target"
  rm -rf "$out/corpus-$target"
  cp -r "tests/fuzz/corpus/$target" "$out/corpus-$target"
  status=0
  "$out/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$out/$target-" \
    "$out/corpus-$target" >"$out/$target.log" 2>&1 || status=$?
  echo "$target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$out/$target.log" | tail -1)"
  if [ "$status" -ne 0 ]; then
    tail -40 "$out/$target.log"
    exit "$status"
  fi
done
