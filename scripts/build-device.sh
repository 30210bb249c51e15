#!/usr/bin/env bash
# build-device.sh [SDK]: builds both deliverables for iOS devices and packs them into a
# package in build-device/:
#   arm64 (iOS 7.0 and later): compiled with clang, linked with ld64.lld;
#   armv7 (iOS 6.0 and later): always compiled; linked with Apple's ld64 wherever one is
#     found ($VELMOTINT_LD64, else ld64 on PATH, else ../shared/ios-toolchain/bin/ld64).
# With both slices each binary is one universal file and the package is
#   com.tanvork.velmotint_<version>_iphoneos-arm.deb           (firmware >= 6.0);
# without ld64 it holds arm64 only, is named
#   com.tanvork.velmotint_<version>_iphoneos-arm_arm64-only.deb (firmware >= 7.0),
# and the build says so in one line. SDK defaults to ../shared/ios-sdk/iPhoneOS14.5.sdk
# beside the repository. Writes nothing outside build-device/.
set -euo pipefail
if [ "${1:-}" = -h ] || [ "${1:-}" = --help ]; then
  sed -n '2,/^set /p' "$0" | sed '$d; s/^# \{0,1\}//'
  exit 0
fi
here=$(cd "$(dirname "$0")/.." && pwd)
sdk=$(cd "${1:-$here/../shared/ios-sdk/iPhoneOS14.5.sdk}" && pwd)
out=$here/build-device
# shellcheck source=../packaging/armv7_linker.sh
source "$here/packaging/armv7_linker.sh"
ld64=$(armv7_linker "$here")
# Host library folders (LIBRARY_PATH) mean nothing to a device link.
unset LIBRARY_PATH

configure_and_build() {  # ARCH [cmake options...]
  local arch=$1
  shift
  cmake --fresh -S "$here" -B "$out/$arch" --toolchain "$here/packaging/ios.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVELMOTINT_IOS_SDK="$sdk" -DCMAKE_OSX_ARCHITECTURES="$arch" \
    "$@" >/dev/null
  cmake --build "$out/$arch" -j"$(nproc)"
}

configure_and_build arm64
configure_and_build armv7 -DVELMOTINT_LD64="$ld64"

tweak=Library/MobileSubstrate/DynamicLibraries
bundle=Library/PreferenceBundles/velmotintPrefs.bundle
pkg=$out/package
rm -rf "$pkg"
mkdir -p "$pkg/DEBIAN" "$pkg/$tweak"
cp -r "$out/arm64/prefs/stage/Library" "$pkg/"
cp "$out/arm64/tweak/Velmotint.dylib" "$here/tweak/Velmotint.plist" "$pkg/$tweak/"

version=$(sed -n 's/^Version: //p' "$here/packaging/control")
if [ -n "$ld64" ]; then
  lipo=$(command -v llvm-lipo-14 || command -v llvm-lipo)
  "$lipo" -create "$out/armv7/tweak/Velmotint.dylib" "$out/arm64/tweak/Velmotint.dylib" \
    -output "$pkg/$tweak/Velmotint.dylib"
  "$lipo" -create "$out/armv7/prefs/stage/$bundle/velmotintPrefs" \
    "$out/arm64/prefs/stage/$bundle/velmotintPrefs" -output "$pkg/$bundle/velmotintPrefs"
  firmware=6.0
  name=com.tanvork.velmotint_${version}_iphoneos-arm.deb
  echo "device binaries: armv7 (iOS 6.0+, linked with $ld64) and arm64 (iOS 7.0+)"
else
  firmware=7.0
  name=com.tanvork.velmotint_${version}_iphoneos-arm_arm64-only.deb
  echo "device binaries: arm64 only (iOS 7.0+, package says firmware (>= 7.0)); armv7 compiled but not linked: LLVM's linker cannot link armv7, and Apple's ld64 was not found (VELMOTINT_LD64, ld64 on PATH, ../shared/ios-toolchain/bin/ld64)"
fi

# Folders and binaries executable, everything else read-only; all owned by root.
find "$pkg" -type d -exec chmod 0755 {} +
find "$pkg" -type f -exec chmod 0644 {} +
chmod 0755 "$pkg/$tweak/Velmotint.dylib" "$pkg/$bundle/velmotintPrefs"

# The control file as written, but for the oldest firmware the slices run on and the
# installed size (KiB, each file rounded up, as dpkg counts it).
installed_size=$(find "$pkg" -path "$pkg/DEBIAN" -prune -o -type f -printf '%s\n' |
  awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')
sed "s/firmware (>= 6\.0)/firmware (>= $firmware)/" "$here/packaging/control" >"$pkg/DEBIAN/control"
grep -q "firmware (>= $firmware)" "$pkg/DEBIAN/control" ||
  { echo "packaging/control names no firmware (>= 6.0) to adjust" >&2; exit 1; }
echo "Installed-Size: $installed_size" >>"$pkg/DEBIAN/control"
chmod 0644 "$pkg/DEBIAN/control"

# gzip members: the dpkg of jailbroken iOS 6-10 (1.14) reads no xz.
rm -f "$out"/*.deb
dpkg-deb -Zgzip --root-owner-group -b "$pkg" "$out/$name" >/dev/null
ls "$out/$name"
