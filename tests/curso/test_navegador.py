#!/usr/bin/python3
"""Opens every page of the course from disk in headless Chromium and runs its self-check.

One browser serves all pages, driven over the DevTools protocol on a pipe (--remote-debugging-
pipe: JSON messages ending in a NUL byte, read by the browser on fd 3 and written on fd 4). A page
passes when it loads without an uncaught script error, a console error or a failed resource, and
its `Pontilha.autoteste()` (the course script's own check of transcriptions, images, sound,
animations, exercises, exam and games) reports no failure. The study tips must show as text.
Exits 77, which CTest counts as skipped, when Chromium is not installed.
"""
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "curso"))

from curso import PAYLOAD  # noqa: E402

PULAR = 77
LIMITE_POR_PAGINA = 20.0
OPCOES = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--autoplay-policy=no-user-gesture-required", "--remote-debugging-pipe",
]


class Navegador:
    def __init__(self, programa, perfil):
        leitura_do_navegador, self._escrita = os.pipe()
        self._leitura, escrita_do_navegador = os.pipe()

        def nos_descritores_3_e_4():
            a, b = os.dup(leitura_do_navegador), os.dup(escrita_do_navegador)
            os.dup2(a, 3)
            os.dup2(b, 4)

        self.processo = subprocess.Popen(
            [programa, *OPCOES, f"--user-data-dir={perfil}", "about:blank"],
            preexec_fn=nos_descritores_3_e_4, close_fds=False,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        )
        os.close(leitura_do_navegador)
        os.close(escrita_do_navegador)
        self._proximo = 0
        self._recebido = b""
        self.eventos = []

    def fechar(self):
        try:
            self.enviar("Browser.close")
        except (OSError, RuntimeError, TimeoutError):
            pass
        try:
            self.processo.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.processo.kill()
            self.processo.wait()
        os.close(self._escrita)
        os.close(self._leitura)

    def _mensagem(self, limite):
        while b"\0" not in self._recebido:
            restante = limite - time.monotonic()
            if restante <= 0 or not select.select([self._leitura], [], [], restante)[0]:
                raise TimeoutError("the browser did not answer in time")
            dados = os.read(self._leitura, 1 << 16)
            if not dados:
                raise RuntimeError("the browser closed its pipe")
            self._recebido += dados
        mensagem, _, self._recebido = self._recebido.partition(b"\0")
        return json.loads(mensagem)

    def enviar(self, metodo, sessao=None, limite=LIMITE_POR_PAGINA, **parametros):
        self._proximo += 1
        pedido = {"id": self._proximo, "method": metodo, "params": parametros}
        if sessao:
            pedido["sessionId"] = sessao
        os.write(self._escrita, json.dumps(pedido).encode() + b"\0")
        prazo = time.monotonic() + limite
        while True:
            mensagem = self._mensagem(prazo)
            if mensagem.get("id") == self._proximo:
                if "error" in mensagem:
                    raise RuntimeError(f"{metodo}: {mensagem['error']}")
                return mensagem["result"]
            self.eventos.append(mensagem)

    def esperar_evento(self, metodo, sessao, limite):
        prazo = time.monotonic() + limite
        while True:
            for i, evento in enumerate(self.eventos):
                if evento.get("method") == metodo and evento.get("sessionId") == sessao:
                    return self.eventos.pop(i)
            self.eventos.append(self._mensagem(prazo))


def erros_nos_eventos(eventos):
    erros = []
    for evento in eventos:
        metodo, p = evento.get("method"), evento.get("params", {})
        if metodo == "Runtime.exceptionThrown":
            detalhes = p["exceptionDetails"]
            descricao = detalhes.get("exception", {}).get("description") or detalhes.get("text")
            erros.append(f"uncaught error: {descricao} ({detalhes.get('url', '')}:{detalhes.get('lineNumber')})")
        elif metodo == "Log.entryAdded" and p["entry"]["level"] == "error":
            erros.append(f"console: {p['entry']['text']} {p['entry'].get('url', '')}")
        elif metodo == "Runtime.consoleAPICalled" and p["type"] in ("error", "assert"):
            erros.append(f"console.{p['type']}: {[a.get('value', a.get('description')) for a in p['args']]}")
    return erros


def abrir(navegador, sessao, caminho):
    navegador.eventos.clear()
    navegador.enviar("Page.navigate", sessao, url=caminho.as_uri())
    navegador.esperar_evento("Page.loadEventFired", sessao, LIMITE_POR_PAGINA)


def avaliar(navegador, sessao, expressao):
    resposta = navegador.enviar(
        "Runtime.evaluate", sessao, expression=expressao, awaitPromise=True, returnByValue=True
    )
    if "exceptionDetails" in resposta:
        raise RuntimeError(resposta["exceptionDetails"].get("exception", {}).get("description"))
    return resposta["result"].get("value")


def testar_pagina(navegador, sessao, pagina):
    abrir(navegador, sessao, pagina)
    resultado = avaliar(navegador, sessao, "Pontilha.autoteste()")
    falhas = list(resultado["falhas"])
    if resultado["verificacoes"] == 0:
        falhas.append("the self-check verified nothing")
    return falhas + erros_nos_eventos(navegador.eventos), resultado["verificacoes"]


def testar_dicas(navegador, sessao):
    abrir(navegador, sessao, PAYLOAD / "Portugues" / "dicas.txt")
    texto = avaliar(navegador, sessao, "document.body.innerText")
    falhas = []
    for trecho in ("PONTILHA - DICAS PARA ESTUDAR BRAILLE", "Não pule lições.", "à mão"):
        if trecho not in texto:
            falhas.append(f"dicas.txt does not show «{trecho}»")
    return falhas + erros_nos_eventos(navegador.eventos)


def main():
    programa = shutil.which("chromium") or shutil.which("chromium-browser")
    if programa is None:
        print("SKIPPED: Chromium is not installed (tools/setup.sh installs it); the pages were not run.")
        return PULAR
    inicio = time.monotonic()
    falhou = False
    with tempfile.TemporaryDirectory(prefix="pontilha-navegador-") as perfil:
        navegador = Navegador(programa, perfil)
        try:
            alvo = navegador.enviar("Target.createTarget", url="about:blank")["targetId"]
            sessao = navegador.enviar("Target.attachToTarget", targetId=alvo, flatten=True)["sessionId"]
            for dominio in ("Page", "Runtime", "Log"):
                navegador.enviar(f"{dominio}.enable", sessao)
            for pagina in sorted(PAYLOAD.rglob("*.html")):
                nome = pagina.relative_to(PAYLOAD).as_posix()
                try:
                    falhas, feitas = testar_pagina(navegador, sessao, pagina)
                except (RuntimeError, TimeoutError) as erro:
                    falhas, feitas = [str(erro)], 0
                print(f"{'ok  ' if not falhas else 'FAIL'} {nome}: {feitas} checks")
                for falha in falhas:
                    print(f"     {falha}")
                falhou = falhou or bool(falhas)
            falhas = testar_dicas(navegador, sessao)
            print(f"{'ok  ' if not falhas else 'FAIL'} Portugues/dicas.txt")
            for falha in falhas:
                print(f"     {falha}")
            falhou = falhou or bool(falhas)
        finally:
            navegador.fechar()
    print(f"{time.monotonic() - inicio:.1f} s")
    return 1 if falhou else 0


if __name__ == "__main__":
    sys.exit(main())
