#!/usr/bin/env bash
# Runs clockmaze headless, in an Xvfb and a Wine prefix of its own, and saves PNG screenshots of
# the clock dialog, a maze round and an outcome box.
#   tools/snapshot.sh [OUT_DIR]        (default: build/snapshots)
# Builds the windows preset first; CLOCKMAZE_BUILD names another build directory to use as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/snapshots}")
cd "$root"
./tools/setup.sh
build=$(tools/e2e-build.sh snapshot)
exec python3 tests/e2e/snapshot.py --exe "$build/clockmaze.exe" --inspector "$build/tests/e2e/e2e_inspector.exe" \
  --art res/art --out "$out"
