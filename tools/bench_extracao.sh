#!/usr/bin/env bash
# Extraction benchmark: a 64 MiB container of mixed data extracted with DescompactarArquivo and
# with zlib's inflate driven directly, each several times in a fresh process under Wine (the
# build's prefix). Prints the times, their ratio and the peak memory of each method.
# Usage: tools/bench_extracao.sh [repetitions, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build
# The build, then the benchmark's program, which the build leaves out.
if ! { tools/build.sh && cmake --build build/win -j"$(nproc)" --target kt_bench_extracao; } \
    >build/bench_extracao-build.log 2>&1; then
    tail -30 build/bench_extracao-build.log
    exit 1
fi
exec build/win/wine-run build/win/kt_bench_extracao.exe "$@"
