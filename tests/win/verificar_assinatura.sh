#!/usr/bin/env bash
# Signs the program with tools/assinar.sh and a throwaway code-signing certificate for the
# publisher that its version information names: the signature verifies and names that publisher;
# signing the signed copy again gives the same bytes (the signature replaced, not a second one
# nested); bad input writes nothing; the program itself is left as it was. The signed copy stays
# in FOLDER for the installation from it. Usage: verificar_assinatura.sh PROGRAM.exe WINDRES FOLDER
set -euo pipefail
programa=$1 windres=$2 pasta=$3
assinar=$(dirname "$0")/../../tools/assinar.sh
falhas=0
falhou() { echo "FALHA: $*"; falhas=$((falhas + 1)); }
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
rm -rf "$pasta" && mkdir -p "$pasta"
assinado=$pasta/$(basename "$programa") original=$(sha256sum <"$programa")
fabricante=$("$windres" -i "$programa" -O rc | sed -n 's/.*VALUE "CompanyName", L\?"\(.*\)"$/\1/p')
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=${fabricante:?}/O=$fabricante" \
    -addext extendedKeyUsage=codeSigning -keyout "$t/chave.pem" -out "$t/cert.pem" 2>/dev/null
openssl genrsa -out "$t/outra.pem" 2048 2>/dev/null

"$assinar" "$t/cert.pem" "$t/outra.pem" "$programa" "$assinado" && falhou "signed with another key"
"$assinar" "$t/cert.pem" "$t/chave.pem" "$t/nada.exe" "$assinado" && falhou "signed no program"
[ -z "$(ls -A "$pasta")" ] || falhou "bad input left $(ls -A "$pasta")"

# One signing time for both signings: the same program, certificate and time give the same bytes.
SOURCE_DATE_EPOCH=$(date +%s)
export SOURCE_DATE_EPOCH
"$assinar" "$t/cert.pem" "$t/chave.pem" "$programa" "$assinado"
osslsigncode verify -CAfile "$t/cert.pem" -in "$assinado" || falhou "the signature does not verify"
osslsigncode extract-signature -pem -in "$assinado" -out "$t/assinatura.pem" >/dev/null
signatario=$(openssl pkcs7 -in "$t/assinatura.pem" -print_certs |
    openssl x509 -noout -subject -nameopt RFC2253)
[ "$signatario" = "subject=O=$fabricante,CN=$fabricante" ] || falhou "signed by $signatario"
cp "$assinado" "$t/uma.exe"
"$assinar" "$t/cert.pem" "$t/chave.pem" "$assinado" "$assinado"
cmp "$assinado" "$t/uma.exe" || falhou "signed again, the copy is not the same"
[ "$(sha256sum <"$programa")" = "$original" ] || falhou "the program itself was changed"
[ "$falhas" -eq 0 ] && echo "ok: $assinado"
exit "$falhas"
