#!/usr/bin/env bash
# fuzz.sh [SECONDS [LIBFUZZER OPTIONS...]]: builds the libFuzzer targets with clang and runs
# each for SECONDS (default 20), starting from the committed seed corpus in fuzz/corpus.
# A crash or a broken property fails the run; its input is kept in BUILD/findings.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true
build=${VELMOTINT_FUZZ_BUILD:-$here/build-fuzz}
targets=(colour_string settings_file value_text)

CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMOTINT_FUZZ=ON -DVELMOTINT_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzzer}" >/dev/null

# Leaks are the sanitizer test run's business: the runtime's one-time tables would be
# reported at every exit here.
# GNUstep's XML parser asks for absurd sizes on some malformed declarations; the real
# allocator answers NULL, which GNUstep raises and the reader catches, so let ASan answer
# the same instead of stopping (a crash on that NULL would still be found).
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Whatever a target writes goes to a device root of its own.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export VELMOTINT_DEVICE_ROOT=$scratch/device

mkdir -p "$build/findings"
for target in "${targets[@]}"; do
  grown="$build/corpus/$target"  # what the runs add; the committed seeds stay as they are
  mkdir -p "$grown"
  echo "== $target: $seconds s"
  "$build/bin/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$@" "$grown" "$here/fuzz/corpus/$target" \
    2>"$build/findings/$target.log" || { tail -n 60 "$build/findings/$target.log"; exit 1; }
  grep -E '^(Done|stat::number_of_executed_units)' "$build/findings/$target.log" || true
done
