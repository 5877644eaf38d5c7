#!/usr/bin/env bash
# Builds everything under the dev preset (sanitizers, warnings as errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev -j"$(nproc)"
