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

build=${CLOCKMAZE_BUILD:-}
if [ -z "$build" ]; then
  build=$root/build/windows
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  if ! { cmake --preset windows && cmake --build --preset windows --target clockmaze e2e_inspector; } >"$log" 2>&1; then
    cat "$log"
    echo "snapshot: the build failed" >&2
    exit 1
  fi
fi

exec python3 tests/e2e/snapshot.py --exe "$build/clockmaze.exe" --inspector "$build/tests/e2e/e2e_inspector.exe" \
  --art res/art --out "$out"
