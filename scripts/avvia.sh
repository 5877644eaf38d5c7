#!/usr/bin/env bash
# Builds vxmira and starts it on the demo installation, which is created on the first run
# (in $VXMIRA_DEMO, default ~/.local/share/vxmira-demo). Exit status: the program's own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
cmake --preset release >/dev/null
cmake --build --preset release --target vxmira vxarchivio

DEMO="${VXMIRA_DEMO:-${XDG_DATA_HOME:-$HOME/.local/share}/vxmira-demo}"
if [ ! -f "$DEMO/ambiente" ]; then
    if [ -e "$DEMO" ] && [ -n "$(ls -A "$DEMO")" ]; then
        echo "La cartella $DEMO esiste e non contiene un'installazione dimostrativa." >&2
        exit 2
    fi
    echo "Creo l'installazione dimostrativa in $DEMO"
    ambiente=$(build/release/src/tools/vxarchivio demo "$DEMO")
    printf '%s\n' "$ambiente" > "$DEMO/ambiente"
fi
while IFS='=' read -r nome valore; do
    [ -n "$nome" ] && export "$nome=$valore"
done < "$DEMO/ambiente"

exec build/release/src/startup/vxmira
