#!/usr/bin/env bash
# Runs a Windows program under Wine the way the project does: quiet, without the Mono and Gecko
# prompts, with the Russian ANSI code page, in a prefix of its own (WINEPREFIX, or one under build/).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix}

# Wine needs an X display for windows, even off-screen ones.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

"$root/tools/wine-prefix.sh" "$WINEPREFIX"
exec wine "$@"
