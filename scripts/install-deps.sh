#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing; the
# packages named as arguments too, and with --fuzz those of the fuzz build (scripts/fuzz.sh).
set -euo pipefail

# clang and libFuzzer's runtime with the sanitizers' (the latter only recommended by clang).
fuzz_packages=(clang libclang-rt-14-dev)
extra=()
for argument in "$@"; do
    if [ "$argument" = --fuzz ]; then
        extra+=("${fuzz_packages[@]}")
    else
        extra+=("$argument")
    fi
done

packages=(
    cmake ninja-build g++ pkg-config clang-format
    libgtest-dev libbenchmark-dev
    qt6-base-dev
    libhidapi-dev libudev-dev
    fonts-dejavu-core fonts-wqy-microhei
    "${extra[@]}"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        sudo=sudo
    else
        sudo=
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
