#!/usr/bin/env bash
# How many jobs a build or test run takes: one per processor, at most two in CI, whose machines
# have two cores.
set -euo pipefail
jobs=$(nproc)
if [ -n "${CI:-}" ] && [ "$jobs" -gt 2 ]; then
    jobs=2
fi
echo "$jobs"
