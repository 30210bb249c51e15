#!/usr/bin/env bash
# springboard.sh [--ios 7.0|7.1|8] [--watch] | --release-table: builds, stages the tweak
# into the device root and runs the simulated SpringBoard, which prints its report.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" "$here/build" >/dev/null
"$here/scripts/stage.sh" "$here/build" >/dev/null
exec "$here/build/bin/SpringBoard" "$@"
