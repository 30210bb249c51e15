#!/usr/bin/env bash
# stage.sh [BUILD_DIR]: puts the built tweak where the device keeps tweaks, under the
# device root ($VELMOTINT_DEVICE_ROOT, default $HOME/.velmotint/device, or without a home
# /tmp/velmotint-device-UID, as the binaries use it), with the pane and
# the simulated device's own killall (usr/bin/killall, which ends only this device root's
# processes). Prints the device root.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
root=${VELMOTINT_DEVICE_ROOT:-${HOME:+$HOME/.velmotint/device}}
if [ -z "$root" ]; then
  # Anyone may make a folder in /tmp first: use it only if it is ours and nobody else's
  # to change, as the binaries do.
  root=/tmp/velmotint-device-$(id -u)
  [ -e "$root" ] || [ -L "$root" ] || mkdir -m 700 "$root"
  if [ -L "$root" ] || [ ! -d "$root" ] || [ "$(stat -c %u "$root")" != "$(id -u)" ] ||
    [ $(( 0$(stat -c %a "$root") & 022 )) -ne 0 ]; then
    echo "stage.sh: the device root $root (used when HOME is unset) is not a folder of" \
      "yours that only you can change; set VELMOTINT_DEVICE_ROOT or HOME" >&2
    exit 1
  fi
fi
tweaks="$root/Library/MobileSubstrate/DynamicLibraries"
mkdir -p "$tweaks" "$root/var/mobile/Library/Preferences" "$root/usr/bin"
cp "$build/tweak/Velmotint.dylib" "$build/tweak/Velmotint.plist" "$tweaks/"
if [ -d "$build/prefs/stage" ]; then
  cp -r "$build/prefs/stage/." "$root/"
fi
cp "$build/bin/vm-killall" "$root/usr/bin/killall"
echo "$root"
