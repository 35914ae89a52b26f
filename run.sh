#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_TESTS=OFF
cmake --build build --parallel "$(nproc)" --target velmora
exec build/velmora "$@"
