#!/usr/bin/env bash
# build.sh [BUILD_DIR] [extra cmake options...]: configures and builds, showing the build's
# progress. Everything by default; only the targets named in $VM_BUILD_TARGETS if set.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
# A configured tree reconfigures itself when a CMakeLists.txt changes.
if [ ! -f "$build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
  echo "build.sh: configuring $build"
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
echo "build.sh: building"
# shellcheck disable=SC2086 # a list of target names
cmake --build "$build" -j"$(nproc)" ${VM_BUILD_TARGETS:+--target $VM_BUILD_TARGETS}
