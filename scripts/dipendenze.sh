#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# As root it installs them; otherwise it prints the line to run and fails.
set -euo pipefail

PACCHETTI=(cmake ninja-build ccache g++ qt6-base-dev libgtest-dev libcli11-dev libbenchmark-dev
           libsqlite3-dev nlohmann-json3-dev clang libclang-rt-14-dev xvfb xauth xdotool
           # the Windows build and its tests under Wine
           googletest g++-mingw-w64-x86-64-posix wine64
           # the Debian package and its test
           dpkg-dev file librsvg2-bin desktop-file-utils man-db lintian "$@")

mancanti=()
for p in "${PACCHETTI[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        mancanti+=("$p")
    fi
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

riga="apt-get install -y --no-install-recommends ${mancanti[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Mancano dei pacchetti. Eseguire come root:" >&2
    echo "  apt-get update && $riga" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$riga
