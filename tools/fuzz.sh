#!/usr/bin/env bash
# Runs the fuzzers for a long time: tools/fuzz.sh SECONDS [conteiner|campos ...] (all by default),
# one after the other, each for SECONDS. The corpus grows in build/fuzz/<name>; a failing input is
# saved in build/fuzz/ and its path printed. Needs the clang build that tools/build.sh configures.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "uso: tools/fuzz.sh SEGUNDOS [conteiner|campos ...]" >&2
    exit 2
fi
segundos=$1
shift
alvos=("$@")
[ $# -gt 0 ] || alvos=(conteiner campos)

cmake --build build --target "${alvos[@]/#/kt_fuzz_}" -j2 >/dev/null
for alvo in "${alvos[@]}"; do
    mkdir -p "build/fuzz/$alvo"
    registro="build/fuzz/$alvo.log"
    echo "== $alvo: ${segundos} s (full output in $registro)"
    estado=0
    "build/kt_fuzz_$alvo" -max_total_time="$segundos" -max_len=8192 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/ "build/fuzz/$alvo" "tests/fuzz/sementes/$alvo" \
        >"$registro" 2>&1 || estado=$?
    grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb))' "$registro" || true
    if [ "$estado" -ne 0 ]; then
        grep -E 'ERROR|SUMMARY|Test unit written|deadly signal' "$registro" >&2 || true
        echo "== $alvo: failed" >&2
        exit 1
    fi
done
