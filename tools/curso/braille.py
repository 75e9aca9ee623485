"""Braille for the course's tools: the table of signs and the transcription of print text.

The table's home is the course's own script (Portugues/scripts/jscript.js), which the games and
exercises use; it is read from there so that the images, the animations and the pages show the
same cells. The transcription follows the same rules as the script's `transcrever`.
"""
import json
import re
from pathlib import Path

from curso import PAYLOAD

SCRIPT = PAYLOAD / "Portugues" / "scripts" / "jscript.js"

_MARCAS = re.compile(r"/\* GRAFIA \{ \*/(.*?)/\* \} GRAFIA \*/", re.S)


def ler_grafia(script=SCRIPT):
    """The table of signs: print sign (or the name of a Braille-only sign) -> its dots."""
    encontrado = _MARCAS.search(Path(script).read_text(encoding="utf-8"))
    if not encontrado:
        raise ValueError(f"{script}: the table of signs is missing")
    return json.loads(encontrado.group(1))


GRAFIA = ler_grafia()
SINAL_DE_NUMERO = GRAFIA["sinal de número"]
SINAL_DE_MAIUSCULA = GRAFIA["sinal de maiúscula"]
PRIMEIRA_SERIE = "abcdefghij"
ALGARISMOS = "1234567890"


def sinal(c):
    try:
        return GRAFIA[c]
    except KeyError:
        raise ValueError(f"Sinal sem transcrição em Braille: «{c}»") from None


def _palavra(palavra):
    toda_maiuscula = len(palavra) > 1 and palavra == palavra.upper()
    celas = [SINAL_DE_MAIUSCULA, SINAL_DE_MAIUSCULA] if toda_maiuscula else []
    for c in palavra:
        if not toda_maiuscula and c.isupper():
            celas.append(SINAL_DE_MAIUSCULA)
        celas.append(sinal(c.lower()))
    return celas


def _fim_do_numero(texto, i):
    while i < len(texto) and (
        texto[i].isdigit()
        or (texto[i] in ",." and i + 1 < len(texto) and texto[i + 1].isdigit())
    ):
        i += 1
    return i


def _numero(numero):
    return [SINAL_DE_NUMERO] + [
        sinal(PRIMEIRA_SERIE[ALGARISMOS.index(c)]) if c.isdigit() else sinal(c) for c in numero
    ]


def transcrever(texto):
    """The cells of print text, each the string of its raised dots ("" is a blank cell)."""
    celas = []
    i = 0
    while i < len(texto):
        c = texto[i]
        if c.isalpha():
            fim = i
            while fim < len(texto) and texto[fim].isalpha():
                fim += 1
            celas += _palavra(texto[i:fim])
        elif c.isdigit():
            fim = _fim_do_numero(texto, i)
            celas += _numero(texto[i:fim])
        else:
            fim = i + 1
            celas.append("" if c == " " else sinal(c))
        i = fim
    return celas


def cela_em_unicode(pontos):
    """Unicode's Braille patterns start at U+2800; dot n sets bit n - 1."""
    return chr(0x2800 + sum(1 << (int(p) - 1) for p in pontos))


def em_unicode(texto):
    return "".join(cela_em_unicode(p) for p in transcrever(texto))


def descrever_pontos(texto):
    return " + ".join(" ".join(p) if p else "espaço" for p in transcrever(texto))
