#!/usr/bin/env bash
# Builds the Debian package keyloom_<version>_<architecture>.deb into the checkout's top folder;
# install it with: apt install ./keyloom_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh dpkg-dev file
bash scripts/build.sh build -DKEYLOOM_WITH_GUI=ON
rm -f build/keyloom_*.deb
(cd build && cpack -G DEB)
cp build/keyloom_*.deb .
ls keyloom_*.deb
