#!/usr/bin/env bash
# build.sh [BUILD_DIR] [extra cmake options...]: configures and builds, showing the build's
# progress. Everything by default; only the targets named in $VM_BUILD_TARGETS if set.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
# A build folder configured for another source tree (a moved or copied clone) would build
# that tree, or stop with CMake's cache error: forget its configuration and configure again.
if [ -f "$build/CMakeCache.txt" ]; then
  source_of=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
  if [ "$source_of" != "$here" ]; then
    echo "build.sh: $build was configured for ${source_of:-another source tree}, not $here;" \
         "configuring it again"
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
  fi
fi
# A configured tree reconfigures itself when a CMakeLists.txt changes.
if [ ! -f "$build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
  echo "build.sh: configuring $build"
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
echo "build.sh: building"
# shellcheck disable=SC2086 # a list of target names
cmake --build "$build" -j"$(nproc)" ${VM_BUILD_TARGETS:+--target $VM_BUILD_TARGETS}
