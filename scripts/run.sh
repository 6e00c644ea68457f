#!/usr/bin/env bash
# Builds Keyloom and runs it on the virtual keyboard.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DKEYLOOM_WITH_GUI=ON
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Keyloom needs a desktop: no DISPLAY or WAYLAND_DISPLAY is set." >&2
    echo "Without one, build/bin/keyloomctl --simulate info runs the same keyboard session." >&2
    exit 1
fi
exec build/bin/Keyloom --simulate
