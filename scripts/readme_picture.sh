#!/usr/bin/env bash
# readme_picture.sh [BUILD_DIR]: draws docs/springboard.png, the README's picture, with the
# simulated SpringBoard in a device root of its own and the choices in
# docs/springboard.plist. Run after a build.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
VELMOTINT_DEVICE_ROOT=$(mktemp -d)
export VELMOTINT_DEVICE_ROOT
trap 'rm -rf "$VELMOTINT_DEVICE_ROOT"' EXIT
"$here/scripts/stage.sh" "$build" >/dev/null
cp "$here/docs/springboard.plist" \
   "$VELMOTINT_DEVICE_ROOT/var/mobile/Library/Preferences/com.tanvork.velmotint.plist"
"$build/bin/SpringBoard" --picture "$here/docs/springboard.png" >/dev/null
echo "$here/docs/springboard.png"
