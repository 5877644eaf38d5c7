#!/usr/bin/env bash
# vxmira with no display it can reach, whatever the environment asks for: one line on stderr
# and exit code 5, never an abort.
#
#   senza_schermo.sh VXMIRA
set -uo pipefail
VXMIRA=${1:?uso: senza_schermo.sh VXMIRA}
tmp=$(mktemp -d "${TMPDIR:-/tmp}/senza_schermo.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/run"

prova() {  # prova DESCRIPTION [NAME=VALUE...]
    local descrizione=$1 codice
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/run" "$@" \
        timeout 60 "$VXMIRA" >"$tmp/out" 2>"$tmp/err"
    codice=$?
    if [ "$codice" -ne 5 ] || [ "$(wc -l <"$tmp/err")" -ne 1 ] ||
        ! grep -q '^vxmira: nessuno schermo disponibile' "$tmp/err"; then
        echo "FALLITO ($descrizione): codice $codice, atteso 5; stderr:" >&2
        cat "$tmp/err" >&2
        exit 1
    fi
    echo "ok: $descrizione"
}

prova "nessuno schermo nell'ambiente"
prova "xcb senza DISPLAY" QT_QPA_PLATFORM=xcb
# A display number that no server serves here.
for n in $(seq 990 999); do
    [ -e "/tmp/.X11-unix/X$n" ] || { prova "DISPLAY :$n senza server" DISPLAY=":$n"; break; }
done
prova "piattaforma che non esiste" QT_QPA_PLATFORM=nessuna
