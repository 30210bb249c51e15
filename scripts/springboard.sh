#!/usr/bin/env bash
# springboard.sh [SpringBoard options]: builds what it runs (progress on standard error),
# stages the tweak, the pane and the device's killall into the device root, and runs the
# simulated SpringBoard, which prints its report. With --watch it also does what the system's
# launcher does: when a respring ends SpringBoard, it starts SpringBoard again, so the tweak
# loads anew and reads the settings file.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
for arg in "$@"; do
  case "$arg" in
    -h|--help)
      # Usage without building: SpringBoard's own options too when it is built.
      . "$here/scripts/usage.sh"
      ( vm_usage "$0" --help )
      if [ -x "$here/build/bin/SpringBoard" ]; then
        echo "SpringBoard's options, which this script passes on:"
        "$here/build/bin/SpringBoard" --help
      fi
      exit 0 ;;
  esac
done
VM_BUILD_TARGETS="SpringBoard Settings vm-post vm-killall Velmotint velmotintPrefs" \
  "$here/scripts/build.sh" "$here/build" >&2
root=$("$here/scripts/stage.sh" "$here/build")
echo "springboard.sh: staged into $root" >&2

watch=no
for arg in "$@"; do
  case "$arg" in
    --watch) watch=yes ;;
  esac
done
[ "$watch" = yes ] || exec "$here/build/bin/SpringBoard" "$@"

child=
stop() {
  # Waited for, so that it has removed its socket and registration before the watch ends.
  [ -n "$child" ] && kill -TERM "$child" 2>/dev/null && wait "$child" 2>/dev/null
  exit 0
}
trap stop INT TERM HUP QUIT
while :; do
  "$here/build/bin/SpringBoard" "$@" &
  child=$!
  status=0
  wait "$child" || status=$?
  child=
  # A respring ends SpringBoard with SIGTERM (128 + 15); anything else ends the watch.
  if [ "$status" -ne 143 ]; then exit "$status"; fi
  echo "springboard.sh: SpringBoard was ended by a respring; starting it again"
done
