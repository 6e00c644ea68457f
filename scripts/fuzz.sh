#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for SECONDS (default 10) on its seed folders, as many at once as
# scripts/jobs.sh says: fuzz.sh [SECONDS] [TARGET...]. A finding (crash, leak, time-out, sanitizer
# report, broken property) fails the run and its input is copied into fuzz/regression/<target>/,
# which the test suite replays (tests/fuzz); commit it with the fix.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
build=${KEYLOOM_FUZZ_BUILD:-build-fuzz}
bash scripts/install-deps.sh --fuzz
jobs=$(bash scripts/jobs.sh)

cmake -S . -B "$build" -G Ninja -DKEYLOOM_FUZZ=ON -DKEYLOOM_WITH_GUI=OFF -DKEYLOOM_TESTS=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target keyloom_fuzzers -j "$jobs"

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for fuzzer in "$build"/fuzz/fuzz_*; do
        targets+=("${fuzzer##*/fuzz_}")
    done
fi

# Runs one target; its log and the inputs of its findings stay in the build folder. A small
# quarantine lets freed memory be reused soon: with the default one every allocation of the
# file readers touches fresh pages, which slows them down tenfold.
run_target() {
    local name=$1
    local work=$build/fuzz-work/$name artifacts=$build/fuzz-findings/$name
    rm -rf "$artifacts"
    mkdir -p "$work" "$artifacts" "$build/fuzz-logs"
    local folders=("$work")
    for folder in fuzz/corpus/$name fuzz/regression/$name $build/fuzz-seeds/$name; do
        [ -d "$folder" ] && folders+=("$folder")
    done
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=4 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "${folders[@]}" \
        >"$build/fuzz-logs/$name.log" 2>&1
}

report() {
    local name=$1 result=$2 log=$build/fuzz-logs/$1.log
    local runs speed
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    if [ "$result" -eq 0 ]; then
        echo "fuzz $name: ${runs:-?} runs, ${speed:-?} exec/s, no finding"
        return 0
    fi
    echo "fuzz $name: FINDING (exit $result); the log's end:"
    tail -n 40 "$log"
    mkdir -p "fuzz/regression/$name"
    cp "$build/fuzz-findings/$name"/* "fuzz/regression/$name/" 2>/dev/null || true
    echo "fuzz $name: input copied to fuzz/regression/$name/"
    return 1
}

failed=0
passed=0
pids=()
names=()
# Waits for the oldest run and reports it.
settle() {
    local result=0
    wait "${pids[0]}" || result=$?
    if report "${names[0]}" "$result"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
}
for name in "${targets[@]}"; do
    run_target "$name" &
    pids+=($!)
    names+=("$name")
    if [ ${#pids[@]} -ge "$jobs" ]; then
        settle
    fi
done
while [ ${#pids[@]} -gt 0 ]; do
    settle
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
