#!/usr/bin/env bash
# check-device.sh [BUILD_DIR]: checks what scripts/build-device.sh made (default
# build-device/) with LLVM's Mach-O tools, ar and dpkg-deb: the package's members (gzip),
# files, modes and control fields (firmware as the slices allow, Installed-Size); the slices
# each binary must hold (armv7 and arm64 wherever an armv7 linker is found, as
# build-device.sh looks for one; arm64 alone otherwise); each slice's type, CPU, oldest
# iOS, signature, install name, loaded libraries, exports, imports, C++ runtime entry
# points and load-time initialisers; and the armv7 objects. Says which stage it is at,
# prints every mismatch and fails if there is one.
set -uo pipefail
if [ "${1:-}" = -h ] || [ "${1:-}" = --help ]; then
  sed -n '2,/^set /p' "$0" | sed '$d; s/^# \{0,1\}//'
  exit 0
fi
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/build-device}
objdump=llvm-objdump-14
otool=llvm-otool-14
nm=llvm-nm-14
lipo=llvm-lipo-14
# shellcheck source=../packaging/armv7_linker.sh
source "$here/packaging/armv7_linker.sh"

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

# The oldest firmware each set of slices runs on goes in for FIRMWARE.
control_fields="Package: com.tanvork.velmotint
Architecture: iphoneos-arm
Depends: mobilesubstrate, preferenceloader, org.thebigboss.libcolorpicker (>= 1.6.7), firmware (>= FIRMWARE)"

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

# C++ runtime entry points that iOS 7 lacks: aligned and sized new/delete, thread_local
# support, __cxa_uncaught_exceptions, the verbose-abort hook, the bad-array-length thrower,
# and library types added in iOS 10-13.
too_new_for_7='St11align_val_t|__tlv_bootstrap|_tlv_atexit|__cxa_thread_atexit|__cxa_uncaught_exceptions|__libcpp_verbose_abort|__cxa_throw_bad_array_new_length|_ZdlPv[mj]|_ZdaPv[mj]|bad_optional_access|bad_variant_access|bad_any_cast|__fs10filesystem|shared_mutex'
# What iOS 7 added to libc++ beyond iOS 6's (libc++'s own availability marks): type_info's
# destructor and vtable, the locale category constants, the atomic shared_ptr mutexes.
too_new_for_6="$too_new_for_7"'|_ZNSt9type_infoD[012]Ev|_ZTVSt9type_info|_ZNSt3__16locale[0-9]+(none|collate|ctype|monetary|numeric|time|messages|all)E|__get_sp_mut|__sp_mut'
declare -A too_new=([7.0]=$too_new_for_7 [6.0]=$too_new_for_6)

# Code that only the hosts, the stand-ins and the tests call (dead-stripped, or compiled
# for Linux only), and what only GNUstep needs (linux_only/, never compiled for the
# device): no slice may hold either.
not_on_device='VelmotintCopyHookInfo|VelmotintCopyFlagInfo|encodeBinaryPropertyList|7gnustep'

declare -A minimum_ios=([arm64]=7.0 [armv7]=6.0)
declare -A cpu=([arm64]="ARM64 ALL" [armv7]="ARM V7")

# ---- helpers -----------------------------------------------------------------------------
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
stage() { echo "check-device: $*"; }
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

  # "supplier symbol" for every bind and lazy bind. ld64 also lists armv7's weakly defined
  # C++ symbols (new, delete, exception type infos) in the weak-bind table, which names no
  # library by design: such an entry counts only where the same symbol is bound as well.
  local tables binds weak imports
  tables=$("$objdump" --macho --bind --lazy-bind --weak-bind "$file" | awk '
    /^Bind table/ { table = "bind"; next } /^Lazy bind table/ { table = "lazy"; next }
    /^Weak bind table/ { table = "weak"; next } $1 == "segment" { next }
    table == "bind" && NF >= 7 { print $6, $7 } table == "lazy" && NF >= 5 { print $4, $5 }
    table == "weak" && NF >= 6 { print "(weak)", $NF }')
  binds=$(grep -v '^(weak) ' <<<"$tables")
  weak=$(sed -n 's/^(weak) //p' <<<"$tables" | sort -u)
  local supplier symbol
  while read -r supplier symbol; do
    [ -n "$symbol" ] || continue
    [[ " $suppliers " == *" $supplier "* ]] || fail "$what: $symbol bound to $supplier"
  done <<<"$binds"
  local unbound
  unbound=$(comm -23 <(sed '/^$/d' <<<"$weak") <(awk '{ print $2 }' <<<"$binds" | sort -u))
  [ -z "$unbound" ] || fail "$what: weak-bound but bound to no library: $unbound"
  imports=$("$nm" -u "$file")
  unbound=$(comm -23 <(sort -u <<<"$imports") <(awk '{ print $2 }' <<<"$binds" | sort -u))
  [ -z "$unbound" ] || fail "$what: imported but bound to no library: $unbound"
  check_runtime_imports "$what" "$imports" "${minimum_ios[$arch]}"

  local kept
  kept=$("$nm" "$file" | awk '{ print $NF }' | grep -E "$not_on_device")
  [ -z "$kept" ] || fail "$what: holds code the device never runs: $kept"

  same "$what: load-time initialisers" "$initialisers" "$(initialisers "$file")"
}

# The functions named by __mod_init_func's pointers. An armv7 pointer to Thumb code has
# bit 0 set (0x...91 for a function at 0x...90): cleared before looking the address up.
initialisers() {  # FILE
  local section pointer
  declare -A named=()
  local address name
  while read -r address _ name; do
    [ -n "$name" ] && named[$((16#$address))]=$name
  done < <("$nm" --defined-only "$1")
  for section in __DATA __DATA_CONST; do
    for pointer in $("$otool" -s "$section" __mod_init_func -v "$1" | awk '/^0x/ { print $2 }'); do
      echo "${named[$((pointer & ~1))]:-unnamed $pointer}"
    done
  done
}

check_runtime_imports() {  # WHAT SYMBOLS OLDEST_IOS
  local bad
  bad=$(grep -E "${too_new[$3]}" <<<"$2")
  [ -z "$bad" ] || fail "$1: imports C++ runtime entry points newer than iOS $3: $bad"
}

# check_package_binary PATH FILETYPE ID LIBRARIES SUPPLIERS INITIALISERS ARCHS
check_package_binary() {
  local file=$root/$1 arch slice
  same "$(basename "$file"): architectures" "$7" "$("$lipo" -archs "$file" | tr ' ' '\n')"
  for arch in $("$lipo" -archs "$file"); do
    slice=$work/$(basename "$file").$arch
    stage "$(basename "$file"), $arch slice"
    "$lipo" -thin "$arch" "$file" -output "$slice" 2>/dev/null || cp "$file" "$slice"
    check_binary "$slice" "$arch" "$2" "$3" "$4" "$5" "$6"
  done
}

# Every product source but the GNUstep-only ones has an armv7 object for iOS 6.0; none of
# them calls what iOS 6 lacks, and only the two load files carry a load-time initialiser.
check_armv7_objects() {
  local build=$out/armv7 source object objects what
  # What only Linux needs is never compiled for the device.
  for source in $(cd "$here" && find linux_only -name '*.cpp' | sort); do
    objects=$(find "$build" -name "$(basename "$source").o" 2>/dev/null)
    [ -z "$objects" ] || fail "$source: serves Linux only, yet has a device object"
  done
  for source in $(cd "$here" && find bridge settings_store colour tweak prefs -name '*.cpp' | sort); do
    # <folder>/x.cpp compiles to <folder>/CMakeFiles/<target>.dir/x.cpp.o
    objects=$(find "$build/${source%%/*}/CMakeFiles" -path "*.dir/${source#*/}.o" 2>/dev/null)
    [ -n "$objects" ] || fail "$source: no armv7 object"
    for object in $objects; do
      what="armv7 object of $source"
      same "$what: CPU and file type" "ARM V7 OBJECT" "$(cpu_and_filetype "$object")"
      same "$what: oldest iOS" 6.0 "$(load_command_field "$object" LC_VERSION_MIN_IPHONEOS version)"
      check_runtime_imports "$what" "$("$nm" -u "$object")" 6.0
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
debs=("$out"/com.tanvork.velmotint_*_iphoneos-arm*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one package in $out, found ${#debs[@]}"; exit 1; }
deb=${debs[0]}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root

# Both slices wherever an armv7 linker is found (or the armv7 build was given one).
linker=$(armv7_linker "$here") || exit 2
if [ -n "$linker" ] || grep -q '^VELMOTINT_LD64:[A-Z]*=.\+' "$out/armv7/CMakeCache.txt" 2>/dev/null; then
  archs=$'armv7\narm64' firmware=6.0 suffix=""
else
  archs=arm64 firmware=7.0 suffix=_arm64-only
fi

stage "package $(basename "$deb"): members, files, control ($(tr '\n' ' ' <<<"$archs")expected)"
# The dpkg of jailbroken iOS 6-10 reads gzip members only.
same "package members" $'debian-binary\ncontrol.tar.gz\ndata.tar.gz' "$(ar t "$deb")"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack $(basename "$deb")"
"$here/scripts/check-pane-lists.sh" "$root" || fail "the pane's colour rows (above)"
same "package files" "$package_files" "$(dpkg-deb -c "$deb" | awk '{ print $1, $2, $6 }')"
fields=""
for field in Package Architecture Depends; do
  fields+="$field: $(dpkg-deb -f "$deb" "$field")"$'\n'
done
same "control fields" "${control_fields/FIRMWARE/$firmware}" "$(sed '/^$/d' <<<"$fields")"
installed_size=$(find "$root" -type f -printf '%s\n' | awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')
same "Installed-Size (KiB)" "$installed_size" "$(dpkg-deb -f "$deb" Installed-Size)"
version=$(dpkg-deb -f "$deb" Version)
same "package file name" "com.tanvork.velmotint_${version}_iphoneos-arm$suffix.deb" "$(basename "$deb")"
info=$root/Library/PreferenceBundles/velmotintPrefs.bundle/Info.plist
found_info=""
for key in CFBundleExecutable CFBundleIdentifier NSPrincipalClass; do
  found_info+="$key $(grep -A1 "<key>$key</key>" "$info" | sed -n 's:.*<string>\(.*\)</string>.*:\1:p')"$'\n'
done
same "bundle Info.plist" "$bundle_info" "$(sed '/^$/d' <<<"$found_info")"

check_package_binary "$tweak" DYLIB "$tweak_id" "$tweak_libraries" "$tweak_suppliers" \
  "$tweak_initialisers" "$archs"
check_package_binary "$bundle" BUNDLE "" "$bundle_libraries" "$bundle_suppliers" \
  "$bundle_initialisers" "$archs"
stage "armv7 objects of every product source"
check_armv7_objects

if [ "$failures" -gt 0 ]; then
  echo "device checks: $failures failed"
  exit 1
fi
echo "device checks: all passed ($(basename "$deb"), $(tr '\n' ' ' <<<"$archs")slices, armv7 objects)"
