#!/usr/bin/env bash
# bench.sh [BUILD_DIR]: builds the benchmarks and runs them once, printing their times and
# the ratios between them; where valgrind exists, also counts instructions with callgrind:
#   - a replaced method with its flag off against the platform's own (per call);
#   - one simulated lock-screen layout (the SpringBoard report's lock screen, status bar and
#     home screen) with ENABLED1, ENABLED2, ENABLED21 and ENABLED24 on and an XML settings
#     file, and the part of it spent in colour lookups.
# With BASELINE=<git ref> the layout is counted for that commit too, built from
# `git archive` in a scratch folder (or taken from BASELINE_BUILD, a build of that commit
# holding SpringBoard and the tweak), and the two are compared.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-bench}
jobs=${JOBS:-2}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/vm-bench-XXXXXX")
trap 'rm -rf "$scratch"' EXIT

build_tree() {  # build_tree SOURCE BUILD TARGETS...: those of TARGETS the tree has
  local source=$1 dir=$2 known wanted=()
  shift 2
  cmake -S "$source" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOTINT_BENCHMARKS=ON \
    >/dev/null
  # An older commit lacks some targets (the benchmarks, the device's killall).
  known=$(cmake --build "$dir" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p; s/^\([^ :]*\): .*/\1/p')
  for target in "$@"; do
    if grep -qx "$target" <<<"$known"; then wanted+=("$target"); fi
  done
  cmake --build "$dir" -j"$jobs" --target "${wanted[@]}" >/dev/null
}

# Instructions counted by callgrind inside the functions matching any PATTERN (a
# comma-separated list).
instructions() {  # instructions PATTERNS COMMAND...
  local patterns=$1 out="$scratch/callgrind.out" toggles=()
  shift
  IFS=, read -ra list <<<"$patterns"
  for pattern in "${list[@]}"; do toggles+=(--toggle-collect="$pattern"); done
  valgrind --tool=callgrind "${toggles[@]}" --callgrind-out-file="$out" "$@" >/dev/null 2>&1
  awk '/^(summary|totals):/ { print $2; exit }' "$out"
}

# Where a build's SpringBoard lays out its screens: built as a scene and then written as
# text, or (older commits) both in one pass.
report_functions() {  # report_functions BUILD
  # grep reads all of nm's output: with -q, nm's broken pipe would fail the pipeline.
  if nm -C "$1/bin/SpringBoard" | grep 'springboard::buildScene(' >/dev/null; then
    echo 'springboard::buildScene*,springboard::sceneText*'
  else
    echo 'springboard::sceneReport*'
  fi
}

# Instructions of one layout with the given build's SpringBoard and tweak.
layout() {  # layout BUILD PATTERN
  local dir=$1 pattern=$2 root="$scratch/root"
  rm -rf "$root"
  # Only the tweak, as every commit builds it: the layout needs nothing else staged.
  mkdir -p "$root/Library/MobileSubstrate/DynamicLibraries" "$root/var/mobile/Library/Preferences"
  cp "$dir/tweak/Velmotint.dylib" "$dir/tweak/Velmotint.plist" \
    "$root/Library/MobileSubstrate/DynamicLibraries/"
  cat >"$root/var/mobile/Library/Preferences/com.tanvork.velmotint.plist" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>ENABLED1</key><true/><key>ENABLED2</key><true/>
<key>ENABLED21</key><true/><key>ENABLED24</key><true/>
<key>vmColor1</key><string>#33cc99:0.8</string><key>vmColor2</key><string>#ff0000:0.5</string>
<key>vmColor3</key><string>#0af</string><key>vmColor4</key><string>a1b2c3</string>
<key>vmColor5</key><string>#a1a1a1:1.0</string><key>vmColor6</key><string>#123456:0.25</string>
</dict></plist>
PLIST
  sleep 0.2  # let the file settle, as it has long before any layout on a device
  VELMOTINT_DEVICE_ROOT="$root" instructions "$pattern" "$dir/bin/SpringBoard"
}

build_tree "$here" "$build" settings_bench colour_bench SpringBoard Velmotint
echo "machine load: $(uptime)"
"$build/bin/settings_bench" --benchmark_color=false

if ! command -v valgrind >/dev/null; then
  echo "valgrind not found: no instruction counts"
  exit 0
fi
calls=200000
echo
echo "instructions (callgrind)"
platform=$(instructions vmCallgrindSetColor "$build/bin/settings_bench" --callgrind-calls=platform $calls)
replaced=$(instructions vmCallgrindSetColor "$build/bin/settings_bench" --callgrind-calls=replaced $calls)
awk -v p="$platform" -v r="$replaced" -v n=$calls 'BEGIN {
  printf "  setColor: per call: platform %.1f, replaced with its flag off %.1f, added %.1f\n",
         p / n, r / n, (r - p) / n }'
lookups=20000
looked=$(instructions vmCallgrindLookups "$build/bin/settings_bench" --callgrind-calls=lookup $lookups)
awk -v l="$looked" -v n=$lookups 'BEGIN {
  printf "  unchanged lookup (XML file), colours freed included: %.0f per call\n", l / n }'

after=$(layout "$build" "$(report_functions "$build")")
after_colours=$(layout "$build" 'colorFromDefaultsWithKey*')
printf "  layout: %s instructions, %s in colour lookups\n" "$after" "$after_colours"
if [ -n "${BASELINE:-}" ]; then
  base_build=${BASELINE_BUILD:-}
  if [ -z "$base_build" ]; then
    mkdir -p "$scratch/baseline"
    git -C "$here" archive "$BASELINE" | tar -x -C "$scratch/baseline"
    base_build=$scratch/baseline-build
    build_tree "$scratch/baseline" "$base_build" SpringBoard Velmotint
  fi
  before=$(layout "$base_build" "$(report_functions "$base_build")")
  before_colours=$(layout "$base_build" 'colorFromDefaultsWithKey*')
  printf "  layout at %s: %s instructions, %s in colour lookups\n" "$BASELINE" "$before" \
    "$before_colours"
  awk -v b="$before" -v a="$after" -v bc="$before_colours" -v ac="$after_colours" 'BEGIN {
    printf "  layout before / after: %.2f x (colour lookups %.0f%% of it before, %.0f%% after)\n",
           b / a, 100 * bc / b, 100 * ac / a }'
fi
