#!/usr/bin/env bash
# setup.sh: installs what building, running and testing need, from Debian's packages.
set -euo pipefail
. "$(dirname "$0")/usage.sh"
vm_usage "$0" "$@"
packages=(build-essential cmake g++ pkg-config libobjc-12-dev libgnustep-base-dev libcairo2-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev psmisc procps
          # the device build: clang, ld64.lld, LLVM's Mach-O tools, libc++ headers, dpkg-deb;
          # python3 reads the package's specifier lists
          clang lld llvm-14 libc++-14-dev libc++abi-14-dev dpkg python3
          # what Apple's ld64 in ../shared/ios-toolchain (the armv7 linker) runs on
          libuuid1 zlib1g libtinfo6 libstdc++6
          # the fuzzers: clang-14 and its libFuzzer runtime
          clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
