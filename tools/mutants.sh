#!/bin/bash
# Measures how many realistic faults the test suite catches. See --help.
set -u

usage() {
    cat <<'EOF'
Usage: tools/mutants.sh [-x] [-n] [PATCH...]

Puts each fault of tests/mutants/*.patch (or the patches named) into the
source tree in turn, rebuilds the plain build incrementally, runs its whole
CTest suite, takes the fault out again and prints a table of the faults the
suite caught and missed, with the rate.

What runs for each fault: `cmake --build $BUILD -j $JOBS`, then
`ctest --test-dir $BUILD -j $JOBS --stop-on-failure --timeout 600`: every test
`make test-plain` runs (labels suite, installed and gallery, and qmllint and
clang-format), stopping at the first failure. Any failing test catches the
fault, related or not. Before the first fault the suite runs once as it is,
and must pass. A fault the build rejects, or a patch that no longer applies,
is reported and left out of the rate: replace or refresh it.

  -x, --stop-at-miss  stop after the first missed fault
  -n, --check         only check that every patch applies; build nothing
  -h, --help          this text

Environment: BUILD (default build), JOBS (default 2). Each fault's build and
test output is kept in $BUILD/mutants/NAME.log. Ctrl-C, or SIGTERM, stops
early: the fault in place is taken out and the table so far printed. It takes
one to three minutes a fault on two cores; it is not part of `make test`.
EOF
}

cd "$(dirname "$0")/.." || exit 2
BUILD=${BUILD:-build}
JOBS=${JOBS:-2}
stop_at_miss=0
check_only=0
patches=()
for arg in "$@"; do
    case $arg in
    -x | --stop-at-miss) stop_at_miss=1 ;;
    -n | --check) check_only=1 ;;
    -h | --help) usage; exit 0 ;;
    -*) usage >&2; exit 2 ;;
    *) patches+=("$arg") ;;
    esac
done
[ ${#patches[@]} -gt 0 ] || patches=(tests/mutants/*.patch)

if [ $check_only = 1 ]; then
    status=0
    for patch in "${patches[@]}"; do
        git apply --check "$patch" 2>/dev/null || { echo "does not apply: $patch"; status=1; }
    done
    [ $status = 0 ] && echo "all ${#patches[@]} patches apply"
    exit $status
fi

logs=$BUILD/mutants
mkdir -p "$logs"
applied=""   # the patch now in the tree
dirty=0      # whether the build holds a fault's code
child=""     # the build or test run now going, in a process group of its own
rows=()
caught=0 missed=0 rejected=0 stale=0

# Runs a command in its own process group (so that an interrupt can end it
# with everything it started, Xvfb included), output to the log.
run() {
    setsid "$@" >>"$log" 2>&1 &
    child=$!
    wait "$child"
    local status=$?
    child=""
    return $status
}

revert() {
    if [ -n "$applied" ]; then
        git apply -R "$applied" || echo "could not take $applied out again: check the tree" >&2
        applied=""
    fi
}

table() {
    printf '\n%-40s %-9s %s\n' "Fault" "Result" "Failing tests (first)"
    local row
    for row in "${rows[@]}"; do
        printf '%s\n' "$row"
    done
    local counted=$((caught + missed))
    if [ $counted -gt 0 ]; then
        printf '\nCaught %d of %d (%s %%)' $caught $counted "$(awk "BEGIN { printf \"%.1f\", 100 * $caught / $counted }")"
    else
        printf '\nNo fault measured'
    fi
    printf '; %d rejected by the build, %d not applying.\n' $rejected $stale
}

interrupted() {
    trap - INT TERM
    [ -n "$child" ] && kill -TERM -- "-$child" 2>/dev/null && wait "$child" 2>/dev/null
    revert
    echo "Stopped early." >&2
    [ $dirty = 1 ] && echo "$BUILD holds the build of the last fault: rebuild it before use." >&2
    table
    exit 130
}
trap interrupted INT TERM
trap revert EXIT

suite() {
    run cmake --build "$BUILD" -j "$JOBS" || return 2
    run ctest --test-dir "$BUILD" -j "$JOBS" --stop-on-failure --timeout 600 --output-on-failure && return 0
    return 1
}

# The tests CTest reported failing (Failed, Timeout, Exception) in the log.
failedTests() {
    sed -nE 's/.*Test +#[0-9]+: ([^ ]+) \.+[^.]*\*\*\*.*/\1/p' "$log" | head -3 | paste -sd' '
}

[ -f "$BUILD/CMakeCache.txt" ] || cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
log=$logs/baseline.log
: >"$log"
echo "Building and running the suite without a fault ($log)"
if ! suite; then
    echo "The suite fails without any fault ($(failedTests)); see $log" >&2
    exit 1
fi

for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    log=$logs/$name.log
    : >"$log"
    if ! git apply "$patch" 2>>"$log"; then
        rows+=("$(printf '%-40s %-9s' "$name" "stale")")
        stale=$((stale + 1))
        continue
    fi
    applied=$patch
    dirty=1
    echo "$name: $(head -1 "$patch")"
    suite
    status=$?
    revert
    case $status in
    0)
        rows+=("$(printf '%-40s %-9s' "$name" "MISSED")")
        missed=$((missed + 1))
        ;;
    1)
        rows+=("$(printf '%-40s %-9s %s' "$name" "caught" "$(failedTests)")")
        caught=$((caught + 1))
        ;;
    2)
        rows+=("$(printf '%-40s %-9s' "$name" "rejected")")
        rejected=$((rejected + 1))
        ;;
    esac
    echo "    ${rows[-1]:41}"
    [ $status = 0 ] && [ $stop_at_miss = 1 ] && break
done

log=$logs/restore.log
: >"$log"
run cmake --build "$BUILD" -j "$JOBS" || echo "Rebuilding $BUILD without the faults failed; see $log" >&2
table
[ $missed = 0 ]
