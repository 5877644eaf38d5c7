#!/usr/bin/env bash
# Builds the Debian package of vxmira from the optimised, hardened build (preset pacchetto,
# never the sanitizer build) and prints its path. Install it with
#   apt install ./build/pacchetto/vxmira_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
cmake --preset pacchetto >/dev/null
rm -f build/pacchetto/vxmira_*.deb
cmake --build --preset pacchetto --target package >&2
ls "$PWD"/build/pacchetto/vxmira_*.deb
