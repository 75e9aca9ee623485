#!/usr/bin/env bash
# The start-up of Pontilha.exe traced under Wine, from the program's load to its operation page:
# the DLLs loaded after it, the windows made from templates, the bitmaps read from its resources,
# each with its time in milliseconds since the program was loaded. It reads Wine's own trace
# channels (loaddll, dialog, resource) of one run in a virtual desktop of a prefix of its own.
# Times under Wine's tracing are longer than without it: read them for their order and their
# share, and the benchmark (tools/bench_nsis.sh) for the start-up's length.
# Usage: tools/rastro_partida.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
programa=${1:-build/win/Pontilha.exe}
[ -f "$programa" ] || tools/build.sh >/dev/null
pasta=build/rastro-partida
rm -rf "$pasta/programa" && mkdir -p "$pasta/programa"
cp "$programa" "$pasta/programa/Pontilha.exe"

export KT_PREFIXO_WINE=$PWD/$pasta/prefixo
build/win/wine-run cmd /c exit >/dev/null
export WINEPREFIX=$KT_PREFIXO_WINE WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=pt_BR.UTF-8 LC_CTYPE=C.UTF-8
semtela=()
[ -n "${DISPLAY:-}" ] || semtela=(xvfb-run -a -s "-screen 0 1280x1024x24")
rastro=$pasta/rastro.log
WINEDEBUG=+timestamp,+loaddll,+dialog,+resource "${semtela[@]}" \
    wine explorer /desktop=kt-rastro,1280x1024 "$pasta/programa/Pontilha.exe" 2>"$rastro" &
execucao=$!
# The operation page is the template whose first control is the "Instalar / Reinstalar" title.
for _ in $(seq 100); do
    grep -q 'DIALOG_GetControl32 .* 3201,' "$rastro" 2>/dev/null && break
    sleep 0.1
done
sleep 0.5
wineserver -k 2>/dev/null || true
wait "$execucao" 2>/dev/null || true

python3 - "$rastro" <<'PY'
import re, sys
linhas = open(sys.argv[1], errors="replace").read().splitlines()
# The first control of each template says which window it is.
janelas = {4101: "Central de Soluções (oculta)", 3001: "janela do assistente",
           3101: "página Carregando", 3201: "página Escolha uma operação"}
# The program's bitmaps by resource id (resources/Imagens.h).
bitmaps = {220: "faixa 96 ppp", 221: "faixa 144 ppp", 222: "faixa 192 ppp"}
inicio = None
eventos, primeiro_controle = [], False
for linha in linhas:
    m = re.match(r"^(\d+\.\d+):[0-9a-f]+:(?:[0-9a-f]+:)?trace:(\w+):(\S+) (.*)$", linha)
    if not m:
        continue
    t, canal, funcao, resto = float(m.group(1)), m.group(2), m.group(3), m.group(4)
    if canal == "loaddll" and "Pontilha.exe" in resto and inicio is None:
        inicio = t
        eventos.append((t, "Pontilha.exe carregado"))
        continue
    if inicio is None:
        continue
    if canal == "loaddll":
        dll = re.search(r'Loaded L"([^"]+)"', resto)
        if dll:
            eventos.append((t, "DLL " + dll.group(1).split("\\")[-1]))
    elif canal == "dialog" and funcao == "DIALOG_CreateControls32" and "BEGIN" in resto:
        primeiro_controle = True
    elif canal == "dialog" and funcao == "DIALOG_GetControl32" and primeiro_controle:
        primeiro_controle = False
        ident = int(resto.split(",")[0].split()[-1])
        eventos.append((t, "feita: " + janelas.get(ident, f"janela de modelo (1º controle {ident})")))
    elif canal == "resource" and funcao == "LdrFindResource_U" and "type #0002" in resto:
        nome = re.search(r"name #([0-9a-f]+)", resto)
        if nome and "module 0000000000400000" in resto or nome and "module 00400000" in resto:
            ident = int(nome.group(1), 16)
            eventos.append((t, "bitmap " + bitmaps.get(ident, f"#{ident}")))
if inicio is None:
    sys.exit("o rastro não mostra o programa carregado")
print("    ms  o que")
for t, texto in eventos:
    print(f"{(t - inicio) * 1000:6.0f}  {texto}")
PY
