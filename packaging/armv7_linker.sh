# Sourced by scripts/build-device.sh and scripts/check-device.sh, so that both agree on
# whether an armv7 linker exists. LLVM's linker cannot link armv7 Mach-O; Apple's ld64 can.
# armv7_linker REPO prints the ld64 to use: $VELMOTINT_LD64, else ld64 on PATH, else
# ../shared/ios-toolchain/bin/ld64 beside REPO; nothing when there is none. A
# VELMOTINT_LD64 that is not an executable file is an error (status 2), never skipped.
armv7_linker() {
  local beside
  if [ -n "${VELMOTINT_LD64:-}" ]; then
    [ -f "$VELMOTINT_LD64" ] && [ -x "$VELMOTINT_LD64" ] || {
      echo "VELMOTINT_LD64=$VELMOTINT_LD64 is not an executable file" >&2
      return 2
    }
    realpath "$VELMOTINT_LD64"
  elif command -v ld64 >/dev/null; then
    realpath "$(command -v ld64)"
  else
    beside=$1/../shared/ios-toolchain/bin/ld64
    if [ -f "$beside" ] && [ -x "$beside" ]; then realpath "$beside"; fi
  fi
}
