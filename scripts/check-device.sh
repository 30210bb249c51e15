#!/usr/bin/env bash
# check-device.sh [BUILD_DIR]: checks what scripts/build-device.sh made (default
# build-device/) with LLVM's Mach-O tools and dpkg-deb: the package's files, modes and
# control fields; each binary's type, CPU, oldest iOS, signature, install name, loaded
# libraries, exports, imports and load-time initialisers; and the armv7 objects. Prints
# every mismatch and fails if there is one.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/build-device}
objdump=llvm-objdump-14
otool=llvm-otool-14
nm=llvm-nm-14
lipo=llvm-lipo-14

# ---- what the device gets ----------------------------------------------------------------
tweak=Library/MobileSubstrate/DynamicLibraries/Velmotint.dylib
bundle=Library/PreferenceBundles/velmotintPrefs.bundle/velmotintPrefs
tweak_id=/Library/MobileSubstrate/DynamicLibraries/Velmotint.dylib

# Mode, owner and path of every entry in the package.
package_files="drwxr-xr-x root/root ./
drwxr-xr-x root/root ./Library/
drwxr-xr-x root/root ./Library/MobileSubstrate/
drwxr-xr-x root/root ./Library/MobileSubstrate/DynamicLibraries/
-rwxr-xr-x root/root ./Library/MobileSubstrate/DynamicLibraries/Velmotint.dylib
-rw-r--r-- root/root ./Library/MobileSubstrate/DynamicLibraries/Velmotint.plist
drwxr-xr-x root/root ./Library/PreferenceBundles/
drwxr-xr-x root/root ./Library/PreferenceBundles/velmotintPrefs.bundle/
-rw-r--r-- root/root ./Library/PreferenceBundles/velmotintPrefs.bundle/Info.plist
-rw-r--r-- root/root ./Library/PreferenceBundles/velmotintPrefs.bundle/VelmoSettings.plist
-rw-r--r-- root/root ./Library/PreferenceBundles/velmotintPrefs.bundle/VelmoSettings2.plist
-rw-r--r-- root/root ./Library/PreferenceBundles/velmotintPrefs.bundle/main.plist
-rwxr-xr-x root/root ./Library/PreferenceBundles/velmotintPrefs.bundle/velmotintPrefs
drwxr-xr-x root/root ./Library/PreferenceLoader/
drwxr-xr-x root/root ./Library/PreferenceLoader/Preferences/
-rw-r--r-- root/root ./Library/PreferenceLoader/Preferences/velmotintPrefs.plist"

control_fields="Package: com.tanvork.velmotint
Architecture: iphoneos-arm
Depends: mobilesubstrate, preferenceloader, org.thebigboss.libcolorpicker (>= 1.6.7), firmware (>= 6.0)"

bundle_info="CFBundleExecutable velmotintPrefs
CFBundleIdentifier com.tanvork.velmotintprefs
NSPrincipalClass velmotintPrefsListController"

frameworks=/System/Library/Frameworks
common_libraries="/usr/lib/libcolorpicker.dylib
/usr/lib/libobjc.A.dylib
/usr/lib/libc++.1.dylib
/usr/lib/libSystem.B.dylib
$frameworks/Foundation.framework/Foundation
$frameworks/CoreFoundation.framework/CoreFoundation
$frameworks/UIKit.framework/UIKit
$frameworks/QuartzCore.framework/QuartzCore
$frameworks/CoreGraphics.framework/CoreGraphics"
tweak_libraries="$common_libraries
/Library/Frameworks/CydiaSubstrate.framework/CydiaSubstrate"
bundle_libraries="$common_libraries
/System/Library/PrivateFrameworks/Preferences.framework/Preferences"

# The libraries that may supply an imported symbol (as the bind tables name them). Classes
# of UIKit, Preferences and SpringBoard are found at run time, never bound.
tweak_suppliers="CoreFoundation Foundation libSystem libc++ libobjc CydiaSubstrate"
bundle_suppliers="CoreFoundation Foundation libSystem libc++ libobjc"

# The colour functions and main, in both deliverables.
exports="_main
__Z12colorFromHexP11objc_object
__Z24colorFromDefaultsWithKeyP11objc_objectS0_S0_
__Z14convertFromHexNSt3__112basic_stringIcNS_11char_traitsIcEENS_9allocatorIcEEEE
__Z8hextodecNSt3__112basic_stringIcNS_11char_traitsIcEENS_9allocatorIcEEEERNS_6vectorIhNS3_IhEEEE"

tweak_initialisers=__ZN12_GLOBAL__N_116velmotintDidLoadEv
bundle_initialisers=__ZN12_GLOBAL__N_121velmotintPrefsDidLoadEv

# C++ runtime entry points that iOS 6 and 7 lack: aligned new/delete, thread_local support,
# __cxa_uncaught_exceptions, the verbose-abort hook, and library types added in iOS 10-13.
too_new='St11align_val_t|__tlv_bootstrap|_tlv_atexit|__cxa_thread_atexit|__cxa_uncaught_exceptions|__libcpp_verbose_abort|bad_optional_access|bad_variant_access|bad_any_cast|__fs10filesystem|shared_mutex'

declare -A minimum_ios=([arm64]=7.0 [armv7]=6.0)
declare -A cpu=([arm64]="ARM64 ALL" [armv7]="ARM V7")

# ---- helpers -----------------------------------------------------------------------------
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# same WHAT EXPECTED ACTUAL: compares two lists line by line, order ignored.
same() {
  local difference
  difference=$(diff <(sort <<<"$2") <(sort <<<"$3"))
  [ -z "$difference" ] || fail "$1 differs (< expected, > found):"$'\n'"$difference"
}
cpu_and_filetype() { "$otool" -hv "$1" | awk 'END { print $2, $3, $5 }'; }
headers() { "$objdump" --macho --private-headers "$1"; }
# The value of FIELD in every load command CMD ("cmd LC_X" ... "FIELD value").
load_command_field() {
  awk -v cmd="$2" -v field="$3" '$1 == "cmd" { inside = ($2 == cmd) }
    inside && $1 == field { print $2 }' <(headers "$1")
}

# check_binary FILE ARCH FILETYPE ID LIBRARIES SUPPLIERS INITIALISERS: one thin slice.
check_binary() {
  local file=$1 arch=$2 filetype=$3 id=$4 libraries=$5 suppliers=$6 initialisers=$7
  local what="$(basename "$file") ($arch)"
  same "$what: CPU and file type" "${cpu[$arch]} $filetype" "$(cpu_and_filetype "$file")"

  same "$what: oldest iOS" "${minimum_ios[$arch]}" \
    "$(load_command_field "$file" LC_VERSION_MIN_IPHONEOS version)"

  local offset
  offset=$(load_command_field "$file" LC_CODE_SIGNATURE dataoff)
  if [ -z "$offset" ]; then
    fail "$what: no code signature"
  elif [ "$(od -An -tx1 -j "$offset" -N4 "$file" | tr -d ' ')" != fade0cc0 ]; then
    fail "$what: the code signature is not an embedded signature blob"
  fi

  same "$what: install name" "$id" "$(load_command_field "$file" LC_ID_DYLIB name)"
  local loaded
  loaded=$(headers "$file" | awk '$1 == "cmd" { kind = $2 }
    $1 == "name" && kind ~ /^LC_(LOAD|LOAD_WEAK|REEXPORT|LAZY_LOAD|LOAD_UPWARD)_DYLIB$/ {
      print (kind == "LC_LOAD_DYLIB" ? "" : kind " ") $2 }')
  same "$what: loaded libraries" "$libraries" "$loaded"

  same "$what: exports" "$exports" \
    "$("$objdump" --macho --exports-trie "$file" | awk '/^0x/ { print $2 }')"

  local binds imports
  binds=$("$objdump" --macho --bind --lazy-bind --weak-bind "$file" | awk '
    /^Bind table/ { table = "bind"; next } /^Lazy bind table/ { table = "lazy"; next }
    /^Weak bind table/ { table = "weak"; next } $1 == "segment" { next }
    table == "bind" && NF >= 7 { print $6, $7 } table == "lazy" && NF >= 5 { print $4, $5 }
    table == "weak" && NF >= 6 { print "(weak)", $NF }')
  local supplier symbol
  while read -r supplier symbol; do
    [ -n "$symbol" ] || continue
    [[ " $suppliers " == *" $supplier "* ]] || fail "$what: $symbol bound to $supplier"
  done <<<"$binds"
  imports=$("$nm" -u "$file")
  local unbound
  unbound=$(comm -23 <(sort -u <<<"$imports") <(awk '{ print $2 }' <<<"$binds" | sort -u))
  [ -z "$unbound" ] || fail "$what: imported but bound to no library: $unbound"
  check_runtime_imports "$what" "$imports"

  local section found=""
  for section in __DATA __DATA_CONST; do
    found+=$("$otool" -s "$section" __mod_init_func -v "$file" | awk '/^0x/ { print $3 }')$'\n'
  done
  same "$what: load-time initialisers" "$initialisers" "$(sed '/^$/d' <<<"$found")"
}

check_runtime_imports() {  # WHAT SYMBOLS
  local bad
  bad=$(grep -E "$too_new" <<<"$2")
  [ -z "$bad" ] || fail "$1: imports C++ runtime entry points newer than iOS 7: $bad"
}

# check_package_binary PATH FILETYPE ID LIBRARIES SUPPLIERS INITIALISERS ARCHS
check_package_binary() {
  local file=$root/$1 arch slice
  same "$(basename "$file"): architectures" "$7" "$("$lipo" -archs "$file" | tr ' ' '\n')"
  for arch in $("$lipo" -archs "$file"); do
    slice=$work/$(basename "$file").$arch
    "$lipo" -thin "$arch" "$file" -output "$slice" 2>/dev/null || cp "$file" "$slice"
    check_binary "$slice" "$arch" "$2" "$3" "$4" "$5" "$6"
  done
}

# Every product source has an armv7 object for iOS 6.0; none of them calls what iOS 7
# lacks, and only the two load files carry a load-time initialiser.
check_armv7_objects() {
  local build=$out/armv7 source object objects what
  for source in $(cd "$here" && find bridge colour tweak prefs -name '*.cpp' | sort); do
    # <folder>/x.cpp compiles to <folder>/CMakeFiles/<target>.dir/x.cpp.o
    objects=$(find "$build/${source%%/*}/CMakeFiles" -path "*.dir/${source#*/}.o" 2>/dev/null)
    [ -n "$objects" ] || fail "$source: no armv7 object"
    for object in $objects; do
      what="armv7 object of $source"
      same "$what: CPU and file type" "ARM V7 OBJECT" "$(cpu_and_filetype "$object")"
      same "$what: oldest iOS" 6.0 "$(load_command_field "$object" LC_VERSION_MIN_IPHONEOS version)"
      check_runtime_imports "$what" "$("$nm" -u "$object")"
      if [[ $source != */load.cpp ]] &&
        "$objdump" --macho --section-headers "$object" | grep -q __mod_init_func; then
        fail "$what: has a load-time initialiser"
      fi
    done
  done
  # The header cell asks for frames (CGRect, 16 bytes): armv7 returns them in memory.
  "$nm" -u "$build/prefs/CMakeFiles/velmotintPrefs.dir/header_cell.cpp.o" |
    grep -qx '_objc_msgSend_stret' ||
    fail "armv7 object of prefs/header_cell.cpp: CGRect results not sent through objc_msgSend_stret"
}

# ---- the checks --------------------------------------------------------------------------
shopt -s nullglob
debs=("$out"/com.tanvork.velmotint_*_iphoneos-arm.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one package in $out, found ${#debs[@]}"; exit 1; }
deb=${debs[0]}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"
"$here/scripts/check-pane-lists.sh" "$root" || fail "the pane's colour rows (above)"

same "package files" "$package_files" "$(dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }')"
fields=""
for field in Package Architecture Depends; do
  fields+="$field: $(dpkg-deb -f "$deb" "$field")"$'\n'
done
same "control fields" "$control_fields" "$(sed '/^$/d' <<<"$fields")"
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "com.tanvork.velmotint_${version}_iphoneos-arm.deb" ] ||
  fail "package file name does not carry version $version"
info=$root/Library/PreferenceBundles/velmotintPrefs.bundle/Info.plist
found_info=""
for key in CFBundleExecutable CFBundleIdentifier NSPrincipalClass; do
  found_info+="$key $(grep -A1 "<key>$key</key>" "$info" | sed -n 's:.*<string>\(.*\)</string>.*:\1:p')"$'\n'
done
same "bundle Info.plist" "$bundle_info" "$(sed '/^$/d' <<<"$found_info")"

# armv7 joins the package only where Apple's linker linked it.
archs=arm64
if grep -q '^VELMOTINT_LD64:[A-Z]*=.\+' "$out/armv7/CMakeCache.txt" 2>/dev/null; then
  archs=$'armv7\narm64'
fi
check_package_binary "$tweak" DYLIB "$tweak_id" "$tweak_libraries" "$tweak_suppliers" \
  "$tweak_initialisers" "$archs"
check_package_binary "$bundle" BUNDLE "" "$bundle_libraries" "$bundle_suppliers" \
  "$bundle_initialisers" "$archs"
check_armv7_objects

if [ "$failures" -gt 0 ]; then
  echo "device checks: $failures failed"
  exit 1
fi
echo "device checks: all passed ($(basename "$deb"), $(tr '\n' ' ' <<<"$archs")binaries, armv7 objects)"
