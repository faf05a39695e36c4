#!/usr/bin/env bash
# Builds clockmaze and the end-to-end inspector with the windows preset and prints the build
# directory; with CLOCKMAZE_BUILD set, prints that directory and builds nothing.
#   tools/e2e-build.sh NAME        (NAME: the calling command, for its messages)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ -n "${CLOCKMAZE_BUILD:-}" ]; then
  realpath "$CLOCKMAZE_BUILD"
  exit 0
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake --preset windows && cmake --build --preset windows --target clockmaze e2e_inspector; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "$1: the build failed" >&2
  exit 1
fi
echo "$root/build/windows"
