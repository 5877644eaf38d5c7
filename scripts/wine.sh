#!/usr/bin/env bash
# Runs a Windows program of the windows build under Wine: a private prefix inside the build
# folder, no debug output, no offer to install Mono or Gecko. --avvia before a run of tests,
# --ferma after it.
set -eu
radice=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$radice/build/windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
caricatore=$(command -v wine64 || echo /usr/lib/wine/wine64)
case "${1:-}" in
    --avvia)  # makes the prefix when missing, starts its server and services once, for good:
              # services started by a test would hold its output pipes open after it ends
        mkdir -p "$WINEPREFIX"
        "$server" -p </dev/null >/dev/null 2>&1
        exec "$caricatore" wineboot --init </dev/null >/dev/null 2>&1 ;;
    --ferma)  # stops the prefix's server and whatever still runs in it
        exec "$server" -k ;;
esac
exec "$caricatore" "$@"
