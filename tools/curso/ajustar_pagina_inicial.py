#!/usr/bin/python3
"""Brings the start page to its fixed size with a padding comment before </body>.

The installed start page has a fixed size; after editing Pontilha.pt.html, run this to rewrite
the comment so that the file again has exactly that many bytes.
"""
import re
import sys

from curso import PAGINA_INICIAL, PAYLOAD, TAMANHO_DA_PAGINA_INICIAL

INICIO = "<!-- A página inicial tem tamanho fixo; este comentário completa esse tamanho."
FIM = "-->\n"
_COMENTARIO = re.compile(re.escape(INICIO) + r".*?" + re.escape(FIM), re.S)
LARGURA = 100


def preenchimento(bytes_livres):
    """A comment of exactly bytes_livres bytes: the notice, then lines of blanks."""
    fixo = len((INICIO + "\n" + FIM).encode("utf-8"))
    if bytes_livres < fixo:
        raise ValueError(f"{PAGINA_INICIAL} is {fixo - bytes_livres} bytes too long to be padded")
    brancos = bytes_livres - fixo
    linhas = [" " * (LARGURA - 1) for _ in range(brancos // LARGURA)]
    if brancos % LARGURA:
        linhas.append(" " * (brancos % LARGURA - 1))
    return INICIO + "\n" + "".join(l + "\n" for l in linhas) + FIM


def ajustar(texto, tamanho=TAMANHO_DA_PAGINA_INICIAL):
    sem_comentario = _COMENTARIO.sub("", texto)
    livres = tamanho - len(sem_comentario.encode("utf-8"))
    return sem_comentario.replace("</body>", preenchimento(livres) + "</body>", 1)


def main():
    pagina = PAYLOAD / PAGINA_INICIAL
    texto = ajustar(pagina.read_text(encoding="utf-8"))
    pagina.write_bytes(texto.encode("utf-8"))
    print(f"{PAGINA_INICIAL}: {len(texto.encode('utf-8'))} bytes")


if __name__ == "__main__":
    sys.exit(main())
