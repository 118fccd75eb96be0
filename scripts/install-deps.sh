#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Safe to run again and again: a package that dpkg already knows is left alone.
set -euo pipefail

packages=(
    g++ cmake ninja-build make          # compiler and build
    qt6-base-dev                        # desktop program (Qt 6 Widgets)
    libgtest-dev libgmock-dev           # unit and GUI tests
    libbenchmark-dev                    # benchmarks
    libgmp-dev                          # exact rational arithmetic
    clang-14 libclang-rt-14-dev         # libFuzzer targets (make fuzz)
    clang-tidy                          # static checks (make tidy)
    fonts-dejavu-core                   # a font for the offscreen GUI tests and the sketch labels
    locales                             # localedef: the locale test makes a German locale
)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "Missing packages: ${missing[*]} (run as root or install sudo)" >&2; exit 1; }
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
