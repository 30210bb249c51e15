#!/usr/bin/env bash
# test.sh: builds and runs every test, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer; any failure or sanitizer finding fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$here/scripts/build.sh" "$here/build"
ctest --test-dir "$here/build" --output-on-failure -j"$jobs"

# The device package, built for iOS and checked with LLVM's Mach-O tools and dpkg-deb.
"$here/scripts/build-device.sh"
"$here/scripts/check-device.sh"

"$here/scripts/build.sh" "$here/build-sanitize" -DVELMOTINT_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$here/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$here/build-sanitize" --output-on-failure -j"$jobs"
