#!/usr/bin/env bash
# Makes sure the Wine prefix named by $1 exists. A new prefix is a copy of a template made once
# per machine: making one takes about a minute here, linking a copy of it a moment.
set -eu
prefix=$1
[ -f "$prefix/system.reg" ] && exit 0

template=${CLOCKMAZE_WINE_TEMPLATE:-/var/cache/clockmaze/wine-prefix}
mkdir -p "$(dirname "$template")" "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$template/.complete" ]; then
    echo "wine-prefix: making the Wine prefix template (about a minute)" >&2
    rm -rf "$template"
    export WINEPREFIX=$template WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    timeout 600 wineboot -i >/dev/null 2>&1 || true
    # A crash during the first boot leaves winedbg holding the server: end it rather than wait.
    if ! timeout 120 wineserver -w; then
      pkill -f 'winedbg --auto' || true
      wineserver -k || true
    fi
    [ -f "$template/system.reg" ] || { echo "wine-prefix: Wine could not make a prefix" >&2; exit 1; }
    touch "$template/.complete"
  fi
  if [ ! -f "$prefix/system.reg" ]; then
    rm -rf "$prefix"
    # Hard links: the DLLs are never written; the registry files are copied whole.
    cp -al "$template" "$prefix"
    for reg in "$template"/*.reg; do
      rm -f "$prefix/$(basename "$reg")"
      cp -p "$reg" "$prefix/"
    done
    rm -f "$prefix/.complete"
  fi
) 9>"$template.lock"
