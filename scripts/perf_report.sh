#!/usr/bin/env bash
# The performance report: builds the benchmarks in an optimised tree of their own (build-perf/,
# or $BUILD_DIR), runs each benchmark in a process of its own, so that none inherits another's
# memory or warm caches, and prints every figure that has a target beside it, ok or MISS.
#   scripts/perf_report.sh [--all] [benchmark...]
# --all also lists the figures without a target that can be checked (the physics steps, the
# allocation counts, the draw time by system). The benchmarks' other output goes to
# <build>/perf_report.log. Exit status 1 when a figure misses, 2 when the build fails or a name
# is no benchmark's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-perf}
all=0
if [[ ${1:-} == --all ]]; then all=1; shift; fi

"$root/scripts/setup.sh" game
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DBRAMBLE_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target bramble_bench -j"$(nproc)" >"$build/perf_build.log" 2>&1 ||
  { cat "$build/perf_build.log"; exit 2; }

export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
bench=$build/bench/bramble_bench
log=$build/perf_report.log
mapfile -t known < <("$bench" --list)
names=("$@")
((${#names[@]})) || names=("${known[@]}")
source "$root/scripts/known_names.sh"
require_known perf_report benchmark "${known[*]}" "${names[@]}"
: >"$log"
figures=()
for name in "${names[@]}"; do
  echo "== $name" >>"$log"
  output=$("$bench" "$name" 2>>"$log") || echo "$name: exit status $?" >>"$log"
  while IFS= read -r line; do
    if [[ $line == FIGURE\ * ]]; then figures+=("$line"); else echo "$line" >>"$log"; fi
  done <<<"$output"
done

# "FIGURE <name> <value> <unit...> target <target...>": the unit and the target may hold spaces.
printf '%s\n' "${figures[@]}" | awk -v all="$all" '
  function status(value, target,    t) {
    split(target, t, " ")
    if (t[1] == "<=") return value <= t[2] + 0 ? "ok" : "MISS"
    if (t[1] == ">=") return value >= t[2] + 0 ? "ok" : "MISS"
    if (t[2] == "+-") return (value - t[1] >= -t[3] && value - t[1] <= t[3]) ? "ok" : "MISS"
    return "-"
  }
  BEGIN { printf "%-52s %12s  %-10s %-20s %s\n", "figure", "value", "unit", "target", "status" }
  {
    at = index($0, " target ")
    target = substr($0, at + 8)
    split(substr($0, 1, at - 1), head, " ")
    unit = head[4]
    for (i = 5; i in head; ++i) unit = unit " " head[i]
    s = status(head[3] + 0, target)
    if (s == "-" && !all) next
    if (s == "MISS") missed = 1
    printf "%-52s %12s  %-10s %-20s %s\n", head[2], head[3], unit, target, s
  }
  END { exit missed }'
