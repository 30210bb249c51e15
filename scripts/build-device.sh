#!/usr/bin/env bash
# build-device.sh [SDK]: builds both deliverables for iOS devices and packs them into
# build-device/com.tanvork.velmotint_<version>_iphoneos-arm.deb.
#   arm64 (iOS 7.0 and later): compiled and linked with clang and ld64.lld.
#   armv7 (iOS 6.0 and later): always compiled; linked, and joined with arm64 into one
#     universal file, only where Apple's ld64 is found ($VELMOTINT_LD64, or ld64 on PATH).
# SDK defaults to ../shared/ios-sdk/iPhoneOS14.5.sdk beside the repository.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
sdk=$(cd "${1:-$here/../shared/ios-sdk/iPhoneOS14.5.sdk}" && pwd)
out=$here/build-device
ld64=${VELMOTINT_LD64:-$(command -v ld64 || true)}
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
cp "$here/packaging/control" "$pkg/DEBIAN/control"
cp -r "$out/arm64/prefs/stage/Library" "$pkg/"
cp "$out/arm64/tweak/Velmotint.dylib" "$here/tweak/Velmotint.plist" "$pkg/$tweak/"

if [ -n "$ld64" ]; then
  lipo=$(command -v llvm-lipo-14 || command -v llvm-lipo)
  "$lipo" -create "$out/armv7/tweak/Velmotint.dylib" "$out/arm64/tweak/Velmotint.dylib" \
    -output "$pkg/$tweak/Velmotint.dylib"
  "$lipo" -create "$out/armv7/$bundle/velmotintPrefs" "$out/arm64/$bundle/velmotintPrefs" \
    -output "$pkg/$bundle/velmotintPrefs"
  echo "device binaries: armv7 (iOS 6.0+, linked with $ld64) and arm64 (iOS 7.0+)"
else
  echo "device binaries: arm64 only (iOS 7.0+); armv7 compiled but not linked: LLVM's linker cannot link armv7, and Apple's ld64 was not found (VELMOTINT_LD64 or ld64 on PATH)"
fi

# Folders and binaries executable, everything else read-only; all owned by root.
find "$pkg" -type d -exec chmod 0755 {} +
find "$pkg" -type f -exec chmod 0644 {} +
chmod 0755 "$pkg/$tweak/Velmotint.dylib" "$pkg/$bundle/velmotintPrefs"
rm -f "$out"/*.deb
dpkg-deb --root-owner-group -b "$pkg" "$out" >/dev/null
ls "$out"/*.deb
