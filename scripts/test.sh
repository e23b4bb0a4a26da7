#!/usr/bin/env bash
# Builds xaconv and runs every test: with g++, with clang++, and with clang++ under
# AddressSanitizer and UndefinedBehaviorSanitizer, where the fuzz target also runs for a bounded
# time. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
EnsurePackages cmake make g++ clang libgtest-dev libbenchmark-dev libclang-rt-14-dev

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
BuildAndTest build/test-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DXACONV_FUZZ=ON
