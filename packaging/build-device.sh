#!/usr/bin/env bash
# build-device.sh SDK_PATH: cross-compiles both deliverables for the device (armv7 from iOS
# 6.0, arm64 from iOS 7.0), joins each into one universal file and lays out the package
# tree in build-device/package. Needs clang, lipo and an iOS SDK; not part of CI.
set -euo pipefail
sdk=${1:?usage: build-device.sh SDK_PATH}
here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/build-device
for arch in armv7:6.0 arm64:7.0; do
  name=${arch%%:*}
  cmake -S "$here" -B "$out/$name" -DCMAKE_SYSTEM_NAME=iOS -DCMAKE_OSX_SYSROOT="$sdk" \
    -DCMAKE_OSX_ARCHITECTURES="$name" -DCMAKE_OSX_DEPLOYMENT_TARGET="${arch##*:}" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMOTINT_TESTS=OFF
  cmake --build "$out/$name"
done
pkg=$out/package
rm -rf "$pkg"
mkdir -p "$pkg/DEBIAN" "$pkg/Library/MobileSubstrate/DynamicLibraries" \
  "$pkg/Library/PreferenceBundles/velmotintPrefs.bundle" "$pkg/Library/PreferenceLoader/Preferences"
cp "$here/packaging/control" "$pkg/DEBIAN/control"
lipo -create "$out"/armv7/tweak/Velmotint.dylib "$out"/arm64/tweak/Velmotint.dylib \
  -output "$pkg/Library/MobileSubstrate/DynamicLibraries/Velmotint.dylib"
cp "$here/tweak/Velmotint.plist" "$pkg/Library/MobileSubstrate/DynamicLibraries/"
bundle=$out/arm64/prefs/stage/Library/PreferenceBundles/velmotintPrefs.bundle
cp -r "$bundle/." "$pkg/Library/PreferenceBundles/velmotintPrefs.bundle/"
lipo -create "$out"/armv7/prefs/stage/Library/PreferenceBundles/velmotintPrefs.bundle/velmotintPrefs \
  "$bundle/velmotintPrefs" -output "$pkg/Library/PreferenceBundles/velmotintPrefs.bundle/velmotintPrefs"
cp -r "$out/arm64/prefs/stage/Library/PreferenceLoader/." "$pkg/Library/PreferenceLoader/"
echo "package tree: $pkg (dpkg-deb -b to pack)"
