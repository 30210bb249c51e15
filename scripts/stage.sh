#!/usr/bin/env bash
# stage.sh [BUILD_DIR]: puts the built tweak where the device keeps tweaks, under the
# device root ($VELMOTINT_DEVICE_ROOT, default $HOME/.velmotint/device), with the pane and
# the simulated device's own killall (usr/bin/killall, which ends only this device root's
# processes). Prints the device root.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
root=${VELMOTINT_DEVICE_ROOT:-${HOME:-/tmp}/.velmotint/device}
tweaks="$root/Library/MobileSubstrate/DynamicLibraries"
mkdir -p "$tweaks" "$root/var/mobile/Library/Preferences" "$root/usr/bin"
cp "$build/tweak/Velmotint.dylib" "$build/tweak/Velmotint.plist" "$tweaks/"
if [ -d "$build/prefs/stage" ]; then
  cp -r "$build/prefs/stage/." "$root/"
fi
cp "$build/bin/vm-killall" "$root/usr/bin/killall"
echo "$root"
