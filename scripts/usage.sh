# Sourced by the scripts beside it: with -h or --help as the first argument, prints the
# calling script's usage (its opening comment, without the "# ") and exits 0, before the
# script builds or changes anything.
vm_usage() {
  local script=$1
  shift
  case "${1:-}" in
    -h | --help) ;;
    *) return 0 ;;
  esac
  sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$script" | sed 's/^/  /; 1s/^  /usage: /'
  exit 0
}
