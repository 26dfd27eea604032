#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer)
# in build-fuzz and runs each for SECONDS (default 60), seeded from the shipped texts, keeping
# its corpus in build-fuzz/corpus. Exits non-zero on the first crash, leak or broken rule.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
dir=build-fuzz
targets=(picture_text launch_url picture_control)

cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=OFF -DGLIMMERJIG_FUZZ=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target fuzz_seeds fuzz_replay "${targets[@]/#/fuzz_}"
rm -rf "$dir/seeds"
"$dir/tests/fuzz/fuzz_seeds" "$dir/seeds"
for target in "${targets[@]}"; do
  mkdir -p "$dir/corpus/$target"
  echo "-- fuzz_$target for $seconds s"
  "$dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$dir/" "$dir/corpus/$target" "$dir/seeds/$target"
done
"$dir/tests/fuzz/fuzz_replay" "$dir"/corpus/picture_text/*
