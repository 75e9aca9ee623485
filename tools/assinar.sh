#!/usr/bin/env bash
# Signs a copy of the Windows program with Authenticode (SHA-256), for a release: Windows then
# names the certificate's subject as the verified publisher when the program asks for
# administrator rights. The build's own output, which the tests and the reproducible-build check
# read, is never changed: the signature goes into a copy.
# Usage: tools/assinar.sh CERTIFICATE KEY [PROGRAM] [SIGNED]
#   CERTIFICATE  the code-signing certificate, PEM, followed by the CA's intermediate certificates
#   KEY          its private key, PEM, not encrypted
#   PROGRAM      the program to sign (build/win/Pontilha.exe)
#   SIGNED       where the signed copy goes (build/assinado/ and the program's name)
# KT_CARIMBO_DE_TEMPO=URL has an RFC 3161 time-stamping server countersign the signature, so that
# it stays valid after the certificate expires. SOURCE_DATE_EPOCH, when set, is the signing time
# written into the signature: the same program, certificate and time give the same bytes.
# Nothing is written unless the signing succeeds.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)

falha() {
    echo "assinar: $*" >&2
    exit 1
}

if [ $# -lt 2 ] || [ $# -gt 4 ]; then
    echo "usage: tools/assinar.sh CERTIFICATE KEY [PROGRAM] [SIGNED]" >&2
    exit 2
fi
certificado=$1 chave=$2
programa=${3:-$raiz/build/win/Pontilha.exe}
assinado=${4:-$raiz/build/assinado/$(basename "$programa")}

if ! command -v osslsigncode >/dev/null || ! command -v openssl >/dev/null; then
    "$raiz/tools/setup.sh" osslsigncode openssl
fi

for arquivo in "$certificado" "$chave" "$programa"; do
    [ -f "$arquivo" ] || falha "$arquivo: no such file"
done
# osslsigncode would say as much, but in a stack of OpenSSL's errors that changes between its
# versions: the files are read here first, and the key never asks for a passphrase.
publica=$(openssl x509 -in "$certificado" -noout -pubkey 2>/dev/null) ||
    falha "$certificado: not a certificate in PEM format"
publica_da_chave=$(openssl pkey -in "$chave" -pubout -passin pass: 2>/dev/null) ||
    falha "$chave: not a private key in PEM format without a passphrase"
[ "$publica" = "$publica_da_chave" ] ||
    falha "$chave is not the private key of the certificate in $certificado"

opcoes=(-certs "$certificado" -key "$chave" -h sha256)
if [ -n "${KT_CARIMBO_DE_TEMPO:-}" ]; then
    opcoes+=(-ts "$KT_CARIMBO_DE_TEMPO")
fi
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    opcoes+=(-time "$SOURCE_DATE_EPOCH")
fi

# Signed beside its destination and moved there whole: a failure leaves nothing behind (nor the
# folder, when this run made it), and a signed copy can be signed again in place.
pasta=$(dirname "$assinado")
[ -d "$pasta" ] || criada=$pasta
mkdir -p "$pasta"
temporaria=$(mktemp -d "$pasta/.assinando.XXXXXX")
trap 'rm -rf "$temporaria"; [ -z "${criada:-}" ] || rmdir "$criada" 2>/dev/null || true' EXIT
temporario=$temporaria/$(basename "$assinado")
# A program that is signed already gets this signature instead of its own, not a second one
# nested beside it (osslsigncode's -nest).
if ! saida=$(osslsigncode sign "${opcoes[@]}" -in "$programa" -out "$temporario" 2>&1); then
    echo "$saida" >&2
    falha "osslsigncode could not sign $programa (its messages are above)"
fi
mv -f "$temporario" "$assinado"
titular=$(openssl x509 -in "$certificado" -noout -subject -nameopt RFC2253)
echo "assinar: signed $assinado ($titular)"
