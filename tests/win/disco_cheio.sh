#!/usr/bin/env bash
# A real full disk for the tests: a small tmpfs (1 MiB unless told) mounted in the build tree and
# given a drive letter in the tests' Wine prefix. Where mounting is not allowed (not root, no
# tmpfs), the reason is left in PASTA.motivo for the test to skip with; the set-up itself never
# fails.
# Usage: disco_cheio.sh montar|desmontar PREFIXO PASTA LETRA [TAMANHO]
set -u
acao=$1 prefixo=$2 pasta=$3 letra=$4 tamanho=${5:-1m}
ligacao="$prefixo/dosdevices/$letra"
motivo="$pasta.motivo"

desmontar() {
    rm -f "$ligacao"
    if mountpoint -q "$pasta" 2>/dev/null; then umount "$pasta"; fi
}

case $acao in
montar)
    rm -f "$motivo"
    desmontar
    mkdir -p "$pasta" "$prefixo/dosdevices"
    if ! saida=$(mount -t tmpfs -o "size=$tamanho" tmpfs "$pasta" 2>&1); then
        echo "a tmpfs could not be mounted here: $saida" >"$motivo"
        exit 0
    fi
    ln -sfn "$pasta" "$ligacao"
    ;;
desmontar)
    desmontar
    ;;
*)
    echo "usage: $0 montar|desmontar PREFIXO PASTA LETRA [TAMANHO]" >&2
    exit 2
    ;;
esac
