#!/usr/bin/env bash
# Sets up the machine, builds clockmaze and starts it under Wine on this display.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake --preset windows && cmake --build --preset windows --target clockmaze; } >"$log" 2>&1; then
  cat "$log"
  echo "play: the build failed" >&2
  exit 1
fi

if [ -z "${DISPLAY:-}" ]; then
  echo "play: there is no display to show the program on (DISPLAY is not set)."
  echo "      tools/snapshot.sh runs it headless in Xvfb and saves PNG screenshots of the clock,"
  echo "      a maze round and an outcome box."
  exit 1
fi

# A prefix of the player's own that lasts from one game to the next.
export WINEPREFIX=${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/clockmaze/wine-prefix}
exec tools/wine-run.sh build/windows/clockmaze.exe
