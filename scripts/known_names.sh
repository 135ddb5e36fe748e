# Sourced by the scripts that run things by name: refuses a name that is not among the known
# ones, on the terminal, with the names there are.
#   require_known WHO WHAT "known names..." name...
require_known() {
  local who=$1 what=$2 known=$3 name
  shift 3
  for name in "$@"; do
    if [[ " $known " != *" $name "* ]]; then
      echo "$who: no $what \"$name\"; the ${what}s are: $known" >&2
      exit 2
    fi
  done
}
