#!/usr/bin/env bash
# Our installer against NSIS's installer of the same files (Debian's nsis: makensis, zlib,
# Unicode), built twice: with NSIS's plain pages and with "XPStyle on", whose pages load version 6
# of the common controls and the theme as ours do. Sizes, start-up to the first page, installation, uninstall and the heap's peak, side by
# side with their ratios. Everything runs in one Wine server and one virtual desktop of a prefix of
# the benchmark's own (build/bench-nsis/prefixo), the two programs alternating, the median of the
# rounds printed with their minimum and maximum. With --escala, generated products of 100, 1,000
# and 10,000 files and one of 200 MiB, our wizard (tools/bench/ProdutoEscala.cpp, installing from
# the files' containers beside it) against NSIS's installer of the same files, with the time per
# file and per MiB, in fewer rounds (a round of 10,000 files takes minutes under Wine). Nothing
# here is a test: no time is asserted.
# With --nosso, the Pontilha.exe and kt_pontilha_sem_payload.exe of another build folder (an
# earlier commit's build/win, say) are measured instead of this build's.
# Usage: tools/bench_nsis.sh [--rodadas N] [--escala [--rodadas-escala N]] [--nosso PASTA]
# (the driver, tools/bench/BenchNsis.cpp, holds the default numbers of rounds)
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$PWD
rodadas=()
escala=""
nosso=$raiz/build/win
while [ $# -gt 0 ]; do
    case "$1" in
        --rodadas | --rodadas-escala) rodadas+=("$1" "$2"); shift 2 ;;
        --escala) escala=1; shift ;;
        --nosso) nosso=$(realpath "$2"); shift 2 ;;
        *) echo "uso: tools/bench_nsis.sh [--rodadas N] [--escala [--rodadas-escala N]] [--nosso PASTA]" >&2
           exit 2 ;;
    esac
done

tools/setup.sh nsis
mkdir -p build
# The build, then the benchmark's programs, which the build leaves out: on this side what prepares
# NSIS's scripts and the generated products, on the Windows side the driver and our scaling wizard.
if ! { tools/build.sh --target all kt_preparar_bench &&
    cmake --build build/win -j"$(nproc)" --target kt_bench_nsis kt_produto_escala; } \
    >build/bench_nsis-build.log 2>&1; then
    tail -30 build/bench_nsis-build.log
    exit 1
fi

bench=$raiz/build/bench-nsis
mkdir -p "$bench"
windows() { echo "Z:${1//\//\\}"; }

# NSIS's installers of Pontilha's site, plain and themed.
build/kt_preparar_bench pontilha "$raiz/resources/payload" "$bench/Pontilha.nsi" \
    "$bench/Pontilha-nsis.exe"
makensis -V1 "$bench/Pontilha.nsi"
build/kt_preparar_bench pontilha "$raiz/resources/payload" "$bench/Pontilha-xpstyle.nsi" \
    "$bench/Pontilha-nsis-xpstyle.exe" xpstyle
makensis -V1 "$bench/Pontilha-xpstyle.nsi"

# The scaling products: files made once (the same bytes every time), and their NSIS installers.
argumentos_escala=()
if [ -n "$escala" ]; then
    for produto in "100 819200" "1000 8192000" "10000 81920000" "100 209715200"; do
        read -r arquivos bytes <<<"$produto"
        nome="produto-$arquivos-$bytes"
        if [ ! -f "$bench/$nome.nsi" ]; then
            echo "Gerando $nome e o seu instalador NSIS..."
            rm -rf "$bench/$nome-nosso"
            build/kt_preparar_bench produto "$arquivos" "$bytes" "$bench/$nome" \
                "$bench/$nome.tmp" "$bench/$nome-nsis.exe"
            makensis -V1 "$bench/$nome.tmp"
            mv "$bench/$nome.tmp" "$bench/$nome.nsi"
        fi
        # Ours: the same files as containers, beside the wizard that installs them.
        if [ ! -d "$bench/$nome-nosso/conteineres" ]; then
            build/kt_preparar_bench conteineres "$bench/$nome" "$bench/$nome-nosso/tmp"
            mv "$bench/$nome-nosso/tmp" "$bench/$nome-nosso/conteineres"
        fi
        cp build/win/kt_produto_escala.exe "$bench/$nome-nosso/"
        media=$((bytes / arquivos))
        if [ "$media" -ge $((1 << 20)) ]; then media="$((media >> 20)) MiB"; else media="$((media >> 10)) KiB"; fi
        argumentos_escala+=(--escala "$arquivos × $media"
            "$(windows "$bench/$nome-nsis.exe")" "$(windows "$bench/$nome")\\"
            "$(windows "$bench/$nome-nosso/kt_produto_escala.exe")")
    done
fi

export KT_PREFIXO_WINE=$bench/prefixo
build/win/wine-run cmd /c exit >/dev/null
trap 'WINEPREFIX=$KT_PREFIXO_WINE wineserver -k 2>/dev/null || true' EXIT
echo "Máquina: $(nproc) núcleos; carga no início: $(cut -d' ' -f1-3 /proc/loadavg)"
semtela=()
[ -n "${DISPLAY:-}" ] || semtela=(xvfb-run -a -s "-screen 0 1280x1024x24")
# Wine's standard error is where the heap trace of the driver's traced runs goes.
KT_WINE_DIRETO=1 "${semtela[@]}" build/win/wine-run explorer /desktop=kt-bench-nsis,1280x1024 \
    "$(windows "$raiz/build/win/kt_bench_nsis.exe")" "${rodadas[@]}" \
    --pasta 'C:\bench\' --trilha "$(windows "$bench/trilha.log")" \
    --nosso "$(windows "$nosso/Pontilha.exe")" \
    --nosso-sem-payload "$(windows "$nosso/kt_pontilha_sem_payload.exe")" \
    --nsis "$(windows "$bench/Pontilha-nsis.exe")" \
    --nsis-xpstyle "$(windows "$bench/Pontilha-nsis-xpstyle.exe")" \
    --fontes "$(windows "$raiz/resources/payload")\\" \
    "${argumentos_escala[@]}" 2>"$bench/trilha.log"
echo "Carga no fim: $(cut -d' ' -f1-3 /proc/loadavg) (a máquina é compartilhada: o mínimo e o máximo mostram o ruído)"
