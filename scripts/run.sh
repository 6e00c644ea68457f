#!/usr/bin/env bash
# Builds Keyloom and runs it on the virtual keyboard.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DKEYLOOM_WITH_GUI=ON
exec build/bin/keyloomctl --simulate config
