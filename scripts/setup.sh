#!/usr/bin/env bash
# Installs the Debian packages of the named groups of scripts/packages.txt, and only those that
# are missing.
#   scripts/setup.sh GROUP...      game, tests, sanitizer, fuzzing
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list=$here/packages.txt
known=$(sed -n 's/^\[\(.*\)\]$/\1/p' "$list" | tr '\n' ' ')
known=${known% }
if (($# == 0)); then
  echo "usage: scripts/setup.sh GROUP...   (groups: $known)" >&2
  exit 2
fi
source "$here/known_names.sh"
require_known setup "package group" "$known" "$@"

wanted=" $* "
missing=()
group=
while read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  if [[ "$line" =~ ^\[(.*)\]$ ]]; then group=${BASH_REMATCH[1]}; continue; fi
  [[ "$wanted" == *" $group "* ]] || continue
  if ! dpkg-query -W -f='${Status}' "$line" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$line")
  fi
done < "$list"
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
