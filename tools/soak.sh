#!/usr/bin/env bash
# Plays many rounds in a row on one running clockmaze, headless, and reports its handles, threads,
# windows and memory at the start and the end.
#   tools/soak.sh [--rounds N] [--mix close,finish,caught] [--seed N]     (default: 200 rounds)
# Builds the windows preset first; CLOCKMAZE_BUILD names another build directory to use as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./tools/setup.sh

build=${CLOCKMAZE_BUILD:-}
if [ -z "$build" ]; then
  build=$root/build/windows
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  if ! { cmake --preset windows && cmake --build --preset windows --target clockmaze e2e_inspector; } >"$log" 2>&1; then
    cat "$log"
    echo "soak: the build failed" >&2
    exit 1
  fi
fi

exec python3 tests/e2e/soak.py --exe "$build/clockmaze.exe" --inspector "$build/tests/e2e/e2e_inspector.exe" \
  --art res/art "$@"
