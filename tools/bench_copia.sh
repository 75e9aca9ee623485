#!/usr/bin/env bash
# Copy benchmark: a 64 MiB file copied with CopiarArquivo (blocks of 10240 bytes, with progress)
# and with the system's CopyFile, alternately in one process under Wine (the build's prefix).
# Prints the times and their ratio.
# Usage: tools/bench_copia.sh [repetitions, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build
# The build, then the benchmark's program, which the build leaves out.
if ! { tools/build.sh && cmake --build build/win -j"$(nproc)" --target kt_bench_copia; } \
    >build/bench_copia-build.log 2>&1; then
    tail -30 build/bench_copia-build.log
    exit 1
fi
exec build/win/wine-run build/win/kt_bench_copia.exe "$@"
