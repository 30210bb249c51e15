#!/usr/bin/env bash
# stage.sh [BUILD_DIR]: puts the built tweak where the device keeps tweaks, under the
# device root ($VELMOTINT_DEVICE_ROOT, default $HOME/.velmotint/device).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
root=${VELMOTINT_DEVICE_ROOT:-${HOME:-/tmp}/.velmotint/device}
tweaks="$root/Library/MobileSubstrate/DynamicLibraries"
mkdir -p "$tweaks" "$root/var/mobile/Library/Preferences"
cp "$build/tweak/Velmotint.dylib" "$build/tweak/Velmotint.plist" "$tweaks/"
if [ -d "$build/prefs/stage" ]; then
  cp -r "$build/prefs/stage/." "$root/"
fi
echo "$root"
