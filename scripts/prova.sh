#!/usr/bin/env bash
# Builds everything under the dev preset (sanitizers, warnings as errors); builds the fuzz preset
# and runs each fuzz target for a short fixed time from its seeds (a finding fails the run, its
# input is left under build/fuzz/reperti/); then runs every test of the suite; then builds the
# windows preset (MinGW-w64) and runs its suites under Wine; last, tests the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
# Five builds of one tree: the compiler cache makes a repeated run (CI on the same machine) fast.
# Paths are taken relative to the checkout, so another clone of it finds the same entries.
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER-ccache}
export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER-ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
cmake --preset dev
cmake --build --preset dev

cmake --preset fuzz
cmake --build --preset fuzz
SECONDI_FUZZ=${SECONDI_FUZZ:-25}
reperti=build/fuzz/reperti
mkdir -p "$reperti"
for bersaglio in build/fuzz/fuzz/fuzz_*; do
    [ -x "$bersaglio" ] || continue
    nome=${bersaglio##*/fuzz_}
    corpus=$(mktemp -d)
    echo "fuzz $nome: ${SECONDI_FUZZ}s"
    # New inputs go to a throw-away folder; the seeds in the repository stay as they are.
    if ! "$bersaglio" -max_total_time="$SECONDI_FUZZ" -print_final_stats=1 \
            -artifact_prefix="$reperti/$nome-" "$corpus" "fuzz/$nome/seme" \
            >"$reperti/$nome.log" 2>&1; then
        tail -n 40 "$reperti/$nome.log" >&2
        rm -rf "$corpus"
        echo "fuzz $nome: finding, see $reperti" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units' "$reperti/$nome.log" || true
    rm -rf "$corpus"
done

ctest --preset dev -j"$(nproc)"

# Windows: a private Wine prefix inside build/windows, made once, its server stopped at the end.
cmake --preset windows
cmake --build --preset windows
trap 'bash scripts/wine.sh --ferma || true' EXIT
bash scripts/wine.sh --avvia
ctest --preset windows

# The Debian package, built from the optimised build, unpacked and tried as a new user would.
bash scripts/prova_pacchetto.sh
