#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each for a bounded time.
# Fails on any crash, sanitizer report, timeout or memory blow-up.
#   scripts/fuzz.sh [target...]       FUZZ_SECONDS (default 30) per target, BUILD_DIR to move it.
# A finding is saved as build-fuzz/findings/<target>/crash-*; replay it with
#   build-fuzz/fuzz/<target> build-fuzz/findings/<target>/crash-...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Absolute: the targets change their working directory, and libFuzzer writes its corpus relative to it.
build=$(realpath -m "${BUILD_DIR:-$root/build-fuzz}")
seconds=${FUZZ_SECONDS:-30}

known=()
for source in "$root"/fuzz/*_fuzz.cpp; do known+=("$(basename "$source" .cpp)"); done
targets=("$@")
((${#targets[@]})) || targets=("${known[@]}")
source "$root/scripts/known_names.sh"
require_known fuzz "fuzz target" "${known[*]}" "${targets[@]}"

"$root/scripts/setup.sh" game fuzzing
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRAMBLE_FUZZ=ON -DBRAMBLE_TESTS=OFF -DBRAMBLE_BENCH=OFF >/dev/null
ninja -C "$build" -j"$(nproc)" fuzz_targets

# The targets work in temporary copies of Resources/: kept inside the build folder, so a target
# that dies leaves nothing behind in /tmp.
export TMPDIR="$build/tmp"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for target in "${targets[@]}"; do
  rm -rf "$TMPDIR"; mkdir -p "$TMPDIR"
  corpus="$build/corpus/$target"; findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  # Leaks are not looked for (ASAN_OPTIONS above); libFuzzer's own leak check would only run
  # every input that keeps memory a second time.
  args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=32768 -detect_leaks=0
        -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$findings/")
  [[ -f "$root/fuzz/json.dict" ]] && args+=(-dict="$root/fuzz/json.dict")
  echo "fuzz: $target for ${seconds}s"
  if ! "$build/fuzz/$target" "${args[@]}" "$corpus" "$root/fuzz/corpus/$target" >"$findings/log.txt" 2>&1; then
    failed+=("$target")
    tail -n 40 "$findings/log.txt"
  else
    grep -E '^stat::number_of_executed_units' "$findings/log.txt" || true
  fi
done
rm -rf "$TMPDIR"
if ((${#failed[@]})); then
  echo "fuzz: FAILED: ${failed[*]} (inputs under $build/findings/)"
  exit 1
fi
echo "fuzz: ${#targets[@]} targets ran ${seconds}s each without a finding"
