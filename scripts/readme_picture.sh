#!/usr/bin/env bash
# readme_picture.sh [BUILD_DIR]: draws docs/springboard.png, the README's picture, and
# docs/springboard-compare.png (--compare: stock screens beside them), with the
# simulated SpringBoard in a device root of its own and the choices in
# docs/springboard.plist. Builds what it runs first.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
VM_BUILD_TARGETS="SpringBoard Velmotint velmotintPrefs vm-killall" \
  "$here/scripts/build.sh" "$build" >&2
VELMOTINT_DEVICE_ROOT=$(mktemp -d)
export VELMOTINT_DEVICE_ROOT
trap 'rm -rf "$VELMOTINT_DEVICE_ROOT"' EXIT
"$here/scripts/stage.sh" "$build" >/dev/null
cp "$here/docs/springboard.plist" \
   "$VELMOTINT_DEVICE_ROOT/var/mobile/Library/Preferences/com.tanvork.velmotint.plist"
"$build/bin/SpringBoard" --picture "$here/docs/springboard.png" >/dev/null
"$build/bin/SpringBoard" --picture "$here/docs/springboard-compare.png" --compare >/dev/null
echo "$here/docs/springboard.png"
echo "$here/docs/springboard-compare.png"
