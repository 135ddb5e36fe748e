#!/usr/bin/env bash
# Builds the game and starts it from the repository root, where it finds Resources/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root"
exec "${BUILD_DIR:-$root/build}/bramblecourt"
