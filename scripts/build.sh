#!/usr/bin/env bash
# build.sh [BUILD_DIR] [extra cmake options...]: configures and builds everything, showing
# the build's progress.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
echo "build.sh: configuring $build" >&2
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" | grep -v '^-- ' || true
echo "build.sh: building" >&2
cmake --build "$build" -j"$(nproc)"
