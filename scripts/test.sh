#!/usr/bin/env bash
# test.sh: builds and runs every test, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the tests that reload on the notification thread under
# ThreadSanitizer, then each fuzzer for a short while; any failure or finding fails the run.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

step() { echo "test.sh: step $1 of 5: $2"; }
step 1 "build and run every test in build/"
"$here/scripts/build.sh" "$here/build"
ctest --test-dir "$here/build" --output-on-failure -j"$jobs"

# The device package, built for iOS and checked with LLVM's Mach-O tools and dpkg-deb.
step 2 "build and check the device package"
"$here/scripts/build-device.sh"
"$here/scripts/check-device.sh"

step 3 "every test again under AddressSanitizer and UndefinedBehaviorSanitizer"
"$here/scripts/build.sh" "$here/build-sanitize" -DVELMOTINT_SANITIZE=ON
# GCC's libobjc and GNUstep-base have no frame pointers: only the slower unwinder records
# the whole allocation stack that the leak suppressions match function names on.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$here/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$here/build-sanitize" --output-on-failure -j"$jobs"

# Only what the reloading tests need: a ThreadSanitizer build of everything would double
# the run for no more coverage.
step 4 "the reloading tests under ThreadSanitizer"
tsan=$here/build-tsan
cmake -S "$here" -B "$tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOTINT_TSAN=ON >/dev/null
cmake --build "$tsan" -j"$jobs" --target reload_race_test notify_tests vm-post
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$here/scripts/tsan.supp
ctest --test-dir "$tsan" --output-on-failure -j"$jobs" \
  -R '^(ReloadWhileReading|SameProcess|CrossProcess|DeviceRootScope)\.'

step 5 "each fuzzer for 20 seconds"
"$here/scripts/fuzz.sh" 20
