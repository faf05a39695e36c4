#!/usr/bin/env bash
# Plays many rounds in a row on one running clockmaze, headless, and reports its handles, threads,
# windows and memory at the start and the end.
#   tools/soak.sh [--rounds N] [--mix close,finish,caught] [--seed N]     (default: 200 rounds)
# Builds the windows preset first; CLOCKMAZE_BUILD names another build directory to use as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./tools/setup.sh
build=$(tools/e2e-build.sh soak)
exec python3 tests/e2e/soak.py --exe "$build/clockmaze.exe" --inspector "$build/tests/e2e/e2e_inspector.exe" \
  --art res/art "$@"
