#!/usr/bin/env bash
# Configures and builds both trees in build/: the native one (portable core, unit tests, fuzzers,
# packer) and, inside it, the Windows one in build/win (Pontilha.exe, Windows and end-to-end tests).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
# One job more than cores: the making of the tests' Wine prefix holds a job for a quarter of a
# minute and waits for most of it.
cmake --build build -j"$(($(nproc) + 1))" "$@"
