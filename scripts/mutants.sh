#!/usr/bin/env bash
# Puts the one-line faults of scripts/mutants.txt into the code one at a time, rebuilds, runs the
# tests and restores the file: a fault no test fails on is a gap in the tests.
#   scripts/mutants.sh [-l] [-n] [-j N] [PATTERN...]
#     PATTERN  only the entries whose "file:line" contains one of them (src/config/, keyvalues,
#              src/gamefiles/pathfile.cpp:123 for the entry at line 123 of the list)
#     -l       list the entries (and which are stale) without building anything
#     -n       no run of the unchanged code first (only when it was just built and passed)
#     -j N     ctest's parallel jobs (2 unless told)
# Environment:
#   MUTANTS_CMAKE_FLAGS  extra flags for the one configure of build-mutants (a compiler launcher,
#                        a faster linker: -DCMAKE_CXX_COMPILER_LAUNCHER=ccache ...)
#   MUTANTS_BUILD_DIR    the build folder (build-mutants)
#   MUTANTS_LIST         the list of faults (scripts/mutants.txt)
#   MUTANTS_TIMEOUT      seconds one test may run before it counts as failed (120)
# The list's format is described at its top. Each fault's file is copied aside before the fault
# goes in and copied back afterwards, on Ctrl+C too; a run killed outright leaves the copy in the
# build folder, and the next run puts it back before anything else.
set -uo pipefail
cd "$(dirname "$0")/.."

list_only=0
baseline_run=1
jobs=2
while getopts "lnj:" option; do
    case $option in
    l) list_only=1 ;;
    n) baseline_run=0 ;;
    j) jobs=$OPTARG ;;
    *) sed -n '2,10s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
patterns=("$@")

chosen() { # file line
    [ ${#patterns[@]} -eq 0 ] && return 0
    local p
    for p in "${patterns[@]}"; do
        [[ "$1:$2" == *"$p"* ]] && return 0
    done
    return 1
}

build=$(realpath -m "${MUTANTS_BUILD_DIR:-build-mutants}")
list=${MUTANTS_LIST:-scripts/mutants.txt}
timeout=${MUTANTS_TIMEOUT:-120}
saved=$build/mutant-saved

# --- the list ------------------------------------------------------------------------------------
entry_file=() entry_old=() entry_new=() entry_tests=() entry_note=() entry_equivalent=()
entry_line=()

parse_list() {
    local file="" tests="" line number=0 in_entry=0
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        case $line in
        "file: "*) file=${line#file: } tests="" in_entry=0 ;;
        "tests: "*) tests=${line#tests: } in_entry=0 ;;
        "- "* | "-")
            entry_file+=("$file") entry_tests+=("$tests") entry_line+=("$number")
            entry_old+=("${line#-}") entry_new+=("") entry_note+=("") entry_equivalent+=("")
            entry_old[-1]=${entry_old[-1]# }
            in_entry=1
            ;;
        "+ "* | "+")
            [ $in_entry = 1 ] || { echo "$list:$number: '+' without '-'" >&2; exit 2; }
            entry_new[-1]=${line#+}
            entry_new[-1]=${entry_new[-1]# }
            ;;
        "note: "*) [ $in_entry = 1 ] && entry_note[-1]=${line#note: } ;;
        "only: "*) [ $in_entry = 1 ] && entry_tests[-1]=${line#only: } ;;
        "equivalent: "*) [ $in_entry = 1 ] && entry_equivalent[-1]=${line#equivalent: } ;;
        "" | "#"*) in_entry=0 ;;
        *) echo "$list:$number: not understood: $line" >&2; exit 2 ;;
        esac
    done <"$list"
}

# How often `old` stands in the file: 0, 1 or 2 (two or more).
occurrences() {
    local content=$1 old=$2
    [[ $content == *"$old"* ]] || { echo 0; return; }
    local after=${content#*"$old"}
    [[ $after == *"$old"* ]] && echo 2 || echo 1
}

read_whole() { # keeps the file's last line break, which $(...) would drop
    local text
    text=$(cat -- "$1"; printf x)
    printf '%s' "${text%x}"
}

# --- putting a fault in and taking it out ----------------------------------------------------------
current=""

restore() {
    if [ -n "$current" ] && [ -f "$saved/file" ]; then
        # Copied back by content, not moved: the file gets a new time, so the next build compiles
        # it again instead of keeping the faulty object.
        cat "$saved/file" >"$current" && rm -f "$saved/file" "$saved/path"
    fi
    current=""
}

restore_left_over() {
    if [ -f "$saved/path" ] && [ -f "$saved/file" ]; then
        local path
        path=$(cat "$saved/path")
        echo "Putting back $path, left faulty by an interrupted run."
        cat "$saved/file" >"$path" && rm -f "$saved/file" "$saved/path"
    fi
}

apply() { # file old new
    local file=$1 old=$2 new=$3 content
    content=$(read_whole "$file")
    mkdir -p "$saved"
    cp -- "$file" "$saved/file" && printf '%s' "$file" >"$saved/path" || return 1
    current=$file
    local before=${content%%"$old"*}
    local after=${content#*"$old"}
    printf '%s' "$before$new$after" >"$file"
}

on_signal() {
    restore
    echo
    echo "Interrupted: $(git status --porcelain -- src | wc -l) file(s) of src/ differ from git."
    [ "${started:-0}" = 1 ] && summary
    exit 130
}
trap restore EXIT
trap on_signal INT TERM HUP

# --- building and testing -------------------------------------------------------------------------
configure() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        # shellcheck disable=SC2086 # the flags are words on purpose
        cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${MUTANTS_CMAKE_FLAGS:-} \
            >"$build/configure.log" 2>&1 || { echo "configure failed: $build/configure.log"; exit 2; }
    fi
}

# The test names a ctest regex selects, all of them for an empty one. Labelled tests (the
# end-to-end run under X, the packaging checks) see none of these units and are left out.
selected_tests() {
    local regex=$1
    (cd "$build" && ctest -N -LE 'e2e|packaging' ${regex:+-R "$regex"}) |
        sed -n 's/^ *Test *#[0-9]*: *//p'
}

build_for() { # regex: builds the test executables it selects
    local names targets=()
    names=$(selected_tests "$1")
    for name in $names; do
        [[ $name == tst_* ]] && targets+=("$name")
    done
    [ ${#targets[@]} -gt 0 ] || targets=(all)
    cmake --build "$build" --parallel "$jobs" --target "${targets[@]}" >"$build/mutant-build.log" 2>&1
}

run_tests() { # regex
    (cd "$build" && QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ctest -LE 'e2e|packaging' \
        ${1:+-R "$1"} -j "$jobs" --timeout "$timeout" --stop-on-failure --output-on-failure) \
        >"$build/mutant-test.log" 2>&1
}

# One fault's tests, a "|" alternative at a time in the order the list gives them, each built
# only when the ones before it passed: the unit's own test usually fails first, and the window's
# tests are then never built. 0: every test passed, 1: one failed, 2: a test did not build.
test_fault() { # regex
    local alternatives alternative
    [ -n "$1" ] || { build_for "" || return 2; run_tests "" && return 0 || return 1; }
    IFS='|' read -ra alternatives <<<"$1"
    for alternative in "${alternatives[@]}"; do
        build_for "$alternative" || return 2
        run_tests "$alternative" || return 1
    done
    return 0
}

# --- the report ------------------------------------------------------------------------------------
print_all() { # heading, lines...
    local heading=$1
    shift
    [ $# -gt 0 ] || return 0
    echo
    echo "$heading"
    printf '  %s\n' "$@"
}
summary() {
    print_all "Equivalent (listed, not run):" "${equivalent_list[@]}"
    print_all "Stale (the list needs refreshing):" "${stale_list[@]}"
    [ $list_only = 1 ] && return 0
    print_all "Does not compile (fix the entry):" "${broken_list[@]}"
    print_all "Missed (no test failed):" "${missed_list[@]}"

    counted=$((caught + missed))
    echo
    if [ $counted -gt 0 ]; then
        echo "caught $caught of $counted ($((100 * caught / counted))%);" \
            "$equivalent equivalent, $stale stale, $broken not compiling;" \
            "$(($(date +%s) - start)) s"
    else
        echo "no fault was run"
    fi
}

# --- the run ---------------------------------------------------------------------------------------
parse_list
restore_left_over

caught=0 missed=0 stale=0 broken=0 equivalent=0
missed_list=() stale_list=() broken_list=() equivalent_list=()
start=$(date +%s)
: >"$build/mutant-caught.log" 2>/dev/null || true

# The tests the chosen entries run, as one regex (empty: all of them).
baseline_tests() {
    local i regex=""
    for ((i = 0; i < ${#entry_file[@]}; i++)); do
        chosen "${entry_file[i]}" "${entry_line[i]}" || continue
        [ -z "${entry_equivalent[i]}" ] || continue
        [ -n "${entry_tests[i]}" ] || { echo ""; return; }
        regex+="${regex:+|}${entry_tests[i]}"
    done
    echo "${regex:-^\$}"
}

if [ $list_only = 0 ]; then
    mkdir -p "$build"
    configure
    echo "Building and running the tests unchanged first..."
    baseline=$(baseline_tests)
    if ! build_for "$baseline" || { [ $baseline_run = 1 ] && ! run_tests "$baseline"; }; then
        echo "The unchanged code does not build or pass its tests: see $build/mutant-*.log"
        exit 2
    fi
fi

total=${#entry_file[@]}
started=1
for ((i = 0; i < total; i++)); do
    file=${entry_file[i]} old=${entry_old[i]} new=${entry_new[i]}
    chosen "$file" "${entry_line[i]}" || continue
    label="$file:${entry_line[i]}"
    [ -z "${entry_note[i]}" ] || label+=" (${entry_note[i]})"
    if [ ! -f "$file" ]; then
        stale=$((stale + 1)) stale_list+=("$label: no such file")
        continue
    fi
    count=$(occurrences "$(read_whole "$file")" "$old")
    if [ "$count" != 1 ]; then
        [ "$count" = 0 ] && why="old text not found" || why="old text found more than once"
        stale=$((stale + 1)) stale_list+=("$label: $why: $old")
        continue
    fi
    if [ -n "${entry_equivalent[i]}" ]; then
        equivalent=$((equivalent + 1)) equivalent_list+=("$label: ${entry_equivalent[i]}")
        continue
    fi
    [ $list_only = 0 ] || { echo "$label"; continue; }

    printf '%-60s ' "${file#src/}:${entry_line[i]}"
    apply "$file" "$old" "$new" || { echo "cannot write $file"; exit 2; }
    test_fault "${entry_tests[i]}"
    outcome=$?
    if [ $outcome = 2 ]; then
        echo "does not compile"
        broken=$((broken + 1)) broken_list+=("$label")
    elif [ $outcome = 0 ]; then
        echo "MISSED"
        missed=$((missed + 1)) missed_list+=("$label: $old  ->  $new")
    else
        # Which rows saw it: the first failing suite's, ctest stops there.
        seen=$(grep -E '^(FAIL!|QFATAL)' "$build/mutant-test.log" | head -3 | cut -c1-150)
        echo "caught"
        caught=$((caught + 1))
        printf '%s\n%s\n' "$label" "${seen:-  (a test crashed or timed out)}" >>"$build/mutant-caught.log"
    fi
    restore
done

summary
[ $list_only = 1 ] || [ $missed = 0 ]
