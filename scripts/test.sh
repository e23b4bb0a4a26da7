#!/usr/bin/env bash
# Builds xaconv and runs every test, with g++ and with clang++. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
EnsurePackages cmake make g++ clang libgtest-dev

jobs=$(nproc)
BuildAndTest() {
    local dir=$1
    shift
    echo "== $dir"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

BuildAndTest build/test-gcc -DCMAKE_CXX_COMPILER=g++
BuildAndTest build/test-clang -DCMAKE_CXX_COMPILER=clang++
