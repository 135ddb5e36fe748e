#!/usr/bin/env bash
# Installs what the game, the tests and the benchmarks need, builds everything (engine, game,
# tests, benchmarks) and runs every test. Extra arguments go to cmake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Said each time: scripts/play.sh turns them off in the same build folder.
"$root/scripts/build.sh" -DBRAMBLE_TESTS=ON -DBRAMBLE_BENCH=ON "$@"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure -j"$(nproc)" --timeout 300
