#!/usr/bin/env bash
# Builds the Debian package and tries it as a user would on this machine: lintian finds no error,
# it installs, the installed programs run on the virtual keyboard, and purging it leaves none of
# its files behind. A keyloom package the user installed is left alone: then only lintian runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh lintian
bash scripts/package.sh
package=$(ls keyloom_*.deb)

lintian --fail-on error --tag-display-limit 0 "$package"

if dpkg-query -W -f='${Status}' keyloom 2>/dev/null | grep -q "installed"; then
    echo "keyloom is installed on this machine; the package is not tried here" >&2
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi
$sudo dpkg -i "$package"
trap '$sudo dpkg --purge keyloom >/dev/null 2>&1 || true' EXIT
mapfile -t installed < <(dpkg -L keyloom)

home=$(mktemp -d)
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config \
    XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state
mkdir -m 700 "$XDG_RUNTIME_DIR"
/usr/bin/keyloomctl --simulate info
# The window program runs until it is ended; a few seconds offscreen show that it starts and ends
# cleanly from the installed tree.
QT_QPA_PLATFORM=offscreen timeout --preserve-status -s TERM 5 /usr/bin/keyloom --simulate &&
    status=0 || status=$?
if [ "$status" -ne 0 ]; then
    echo "keyloom --simulate ended with $status" >&2
    exit 1
fi
# The companion program it started stays for the session; this one ends here.
pkill -x RaRovovo || true
rm -rf "$home"

$sudo dpkg --purge keyloom
trap - EXIT
left=()
for path in "${installed[@]}"; do
    if [ -f "$path" ] || [ -L "$path" ]; then
        left+=("$path")
    fi
done
if [ ${#left[@]} -gt 0 ]; then
    echo "left behind after removal: ${left[*]}" >&2
    exit 1
fi
echo "package checked: $package"
