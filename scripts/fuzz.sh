#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# and runs each for a while, starting from the seed corpus in fuzz/corpus/.
#   scripts/fuzz.sh [seconds per target, 600 unless told] [target...]
# New inputs found go to build-fuzz/corpus/<target>, never into the repository's seeds; a crash
# leaves its input in build-fuzz/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz

seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_import fuzz_ping fuzz_pathfile fuzz_keyvalues fuzz_userconfig)

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"

for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    # The readers of config.cfg and userconfig.cfg meet lines of thousands of bytes (a command is
    # cut after 1023): their inputs go up to 1 MiB, far past libFuzzer's usual 4 KiB.
    max_len=()
    case $target in
    fuzz_import | fuzz_userconfig) max_len=(-max_len=1048576) ;;
    esac
    echo "== $target: ${seconds} s"
    (cd build-fuzz && "./fuzz/$target" "${max_len[@]}" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$target-" "corpus/$target" "../fuzz/corpus/$target" 2>&1) |
        grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY|Done [0-9]+ runs)' ||
        true
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$target: failed, see build-fuzz/$target-*"; exit 1; }
done
