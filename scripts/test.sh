#!/usr/bin/env bash
# Builds everything and runs every test, then builds the Debian package and tries it (see
# check-package.sh); then builds the core, the transport library and their tests again with
# AddressSanitizer and UndefinedBehaviorSanitizer, and once more with ThreadSanitizer, and runs
# those too. Any sanitizer report fails the run. Last, every fuzz target runs for 15 s (fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(bash scripts/jobs.sh)

bash scripts/build.sh build -DKEYLOOM_WITH_GUI=ON
(cd build && ctest --output-on-failure -j "$jobs" --timeout 120)
bash scripts/check-package.sh

bash scripts/build.sh build-sanitize -DKEYLOOM_SANITIZE=ON -DKEYLOOM_WITH_GUI=OFF
(cd build-sanitize &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j "$jobs" --timeout 240)

bash scripts/build.sh build-tsan -DKEYLOOM_SANITIZE_THREAD=ON -DKEYLOOM_WITH_GUI=OFF
(cd build-tsan &&
    TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
        ctest --output-on-failure -j "$jobs" --timeout 240)

bash scripts/fuzz.sh 15
