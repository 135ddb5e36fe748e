#!/usr/bin/env bash
# Installs what the game needs and builds it (the engine and the game alone: the tests and
# benchmarks, and their packages, are for scripts/test.sh), then starts it from the repository
# root, where it finds Resources/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
PACKAGE_GROUPS=game BUILD_TARGETS=bramblecourt "$root/scripts/build.sh" -DBRAMBLE_TESTS=OFF -DBRAMBLE_BENCH=OFF
cd "$root"
exec "${BUILD_DIR:-$root/build}/bramblecourt"
