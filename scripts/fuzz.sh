#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for FUZZ_SECONDS (default 60) seconds.
# Each target works on a copy of its committed corpus under build-fuzz/corpus/; a crash input is left in
# build-fuzz/artifacts/. Copy an input into fuzz/corpus/ by hand to keep it as a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
build=build-fuzz
targets=(gjreader extensionpayload framedecoder templatexml)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLON_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ > /dev/null
ninja -C "$build" -j"${JOBS:-2}" "${targets[@]/%/_fuzz}"

mkdir -p "$build/artifacts"
status=0
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  for input in fuzz/corpus/"$target"/*; do
    [ -e "$work/$(basename "$input")" ] || cp "$input" "$work/"
  done
  echo "fuzz: $target for ${seconds}s"
  if ! "$build/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/${target}-" "$work" 2> "$build/$target.log"; then
    status=1
    echo "fuzz: $target failed; see $build/$target.log and $build/artifacts/" >&2
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/$target.log" || true
done
exit $status
