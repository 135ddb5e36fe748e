#!/usr/bin/env bash
# Builds the game (the engine and the game alone: the tests and benchmarks are for
# scripts/test.sh) and starts it from the repository root, where it finds Resources/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
BUILD_TARGETS=bramblecourt "$root/scripts/build.sh"
cd "$root"
exec "${BUILD_DIR:-$root/build}/bramblecourt"
