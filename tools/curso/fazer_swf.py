#!/usr/bin/python3
"""Makes the course's 13 SWF animations from the animations on its pages.

Every page that offers an animation has a <figure class="animacao" data-texto="..."> with a link
to its SWF file. The movie shows the text's cells one by one, as the page's own script does: the
first frame lays out the empty dot positions of every cell, each following frame raises the dots
of one more cell (a blank cell is a frame of pause), and the movie holds the whole text for a
few frames before it starts again. Pure Python; the output is committed and deterministic.
"""
import math
import struct
import sys
from html.parser import HTMLParser
from urllib.parse import unquote

from curso import PAYLOAD
import braille

VERSAO = 10
QUADROS_POR_SEGUNDO = 2
PAUSA_FINAL = 4
TWIPS = 20

# Layout, in pixels.
MARGEM = 20
PASSO_DO_PONTO = 14
PASSO_DA_CELA = 36
PASSO_DA_LINHA = 60
CELAS_POR_LINHA = 14
RAIO_DO_PONTO = 5

FUNDO = (0xFB, 0xF8, 0xF1)
COR_DO_PONTO = (0x1B, 0x3A, 0x6B)
COR_DA_POSICAO = (0xDD, 0xD8, 0xCB)

POSICAO = 1  # character id of an empty dot position
PONTO = 2  # character id of a raised dot

FILE_ATTRIBUTES, SET_BACKGROUND_COLOR, DEFINE_SHAPE, PLACE_OBJECT2, SHOW_FRAME, END = 69, 9, 2, 26, 1, 0


class Bits:
    """Writes the SWF's bit fields, most significant bit first."""

    def __init__(self):
        self.dados = bytearray()
        self.atual = 0
        self.usados = 0

    def ub(self, valor, n):
        if valor < 0 or valor >= 1 << n:
            raise ValueError(f"{valor} does not fit in {n} unsigned bits")
        for i in range(n - 1, -1, -1):
            self.atual = (self.atual << 1) | ((valor >> i) & 1)
            self.usados += 1
            if self.usados == 8:
                self.dados.append(self.atual)
                self.atual = self.usados = 0

    def sb(self, valor, n):
        if not -(1 << (n - 1)) <= valor < 1 << (n - 1):
            raise ValueError(f"{valor} does not fit in {n} signed bits")
        self.ub(valor & ((1 << n) - 1), n)

    def alinhar(self):
        if self.usados:
            self.ub(0, 8 - self.usados)
        return bytes(self.dados)


def bits_com_sinal(*valores):
    """The fewest bits that hold every value as a signed field."""
    return max(1 + (v.bit_length() if v >= 0 else (~v).bit_length()) for v in valores)


def rect(xmin, xmax, ymin, ymax):
    b = Bits()
    n = bits_com_sinal(xmin, xmax, ymin, ymax)
    b.ub(n, 5)
    for v in (xmin, xmax, ymin, ymax):
        b.sb(v, n)
    return b.alinhar()


def tag(codigo, corpo=b""):
    if len(corpo) < 0x3F:
        return struct.pack("<H", codigo << 6 | len(corpo)) + corpo
    return struct.pack("<HI", codigo << 6 | 0x3F, len(corpo)) + corpo


def circulo(raio):
    """A closed circle path of eight quadratic curves around (0, 0), clockwise on the screen.

    Anchors and controls are rounded to whole twips first and the deltas taken between rounded
    points, so the path ends exactly where it starts."""
    controle = raio / math.cos(math.pi / 8)
    pontos = []
    for i in range(9):
        a = i * math.pi / 4
        pontos.append((round(raio * math.cos(a)), round(raio * math.sin(a))))
    curvas = []
    for i in range(8):
        a = (i + 0.5) * math.pi / 4
        c = (round(controle * math.cos(a)), round(controle * math.sin(a)))
        curvas.append((pontos[i], c, pontos[i + 1]))
    return pontos[0], curvas


def define_shape(id_, raio, cor):
    """DefineShape: one solid fill style, no line style, one circle filled on its right side."""
    corpo = bytearray(struct.pack("<H", id_))
    corpo += rect(-raio, raio, -raio, raio)
    corpo += bytes([1, 0x00, *cor])  # FILLSTYLEARRAY: one solid fill
    corpo += bytes([0])  # LINESTYLEARRAY: none
    b = Bits()
    b.ub(1, 4)  # NumFillBits
    b.ub(0, 4)  # NumLineBits
    inicio, curvas = circulo(raio)
    # StyleChangeRecord: move to the start, fill style 1.
    b.ub(0, 1)
    b.ub(0, 1)  # StateNewStyles
    b.ub(0, 1)  # StateLineStyle
    b.ub(1, 1)  # StateFillStyle1
    b.ub(0, 1)  # StateFillStyle0
    b.ub(1, 1)  # StateMoveTo
    n = bits_com_sinal(*inicio)
    b.ub(n, 5)
    b.sb(inicio[0], n)
    b.sb(inicio[1], n)
    b.ub(1, 1)  # FillStyle1
    for (x0, y0), (cx, cy), (x1, y1) in curvas:
        deltas = (cx - x0, cy - y0, x1 - cx, y1 - cy)
        n = max(2, bits_com_sinal(*deltas))
        b.ub(1, 1)  # edge
        b.ub(0, 1)  # curved
        b.ub(n - 2, 4)
        for d in deltas:
            b.sb(d, n)
    b.ub(0, 6)  # EndShapeRecord
    corpo += b.alinhar()
    return tag(DEFINE_SHAPE, bytes(corpo))


def place_object2(profundidade, id_, x, y):
    """PlaceObject2 of a character at a depth, moved to (x, y) by its matrix."""
    b = Bits()
    b.ub(0, 1)  # HasScale
    b.ub(0, 1)  # HasRotate
    n = bits_com_sinal(x, y)
    b.ub(n, 5)
    b.sb(x, n)
    b.sb(y, n)
    flags = 0x06  # PlaceFlagHasMatrix | PlaceFlagHasCharacter
    return tag(PLACE_OBJECT2, struct.pack("<BHH", flags, profundidade, id_) + b.alinhar())


def posicao_da_cela(i):
    """Top-left dot of cell i, in pixels."""
    return MARGEM + (i % CELAS_POR_LINHA) * PASSO_DA_CELA + RAIO_DO_PONTO, MARGEM + (i // CELAS_POR_LINHA) * PASSO_DA_LINHA + RAIO_DO_PONTO


def posicao_do_ponto(i, ponto):
    x, y = posicao_da_cela(i)
    return (x + PASSO_DO_PONTO * (ponto > 3)) * TWIPS, (y + PASSO_DO_PONTO * ((ponto - 1) % 3)) * TWIPS


def tamanho_do_palco(celas):
    colunas = min(len(celas), CELAS_POR_LINHA)
    linhas = math.ceil(len(celas) / CELAS_POR_LINHA)
    return 2 * MARGEM + colunas * PASSO_DA_CELA, 2 * MARGEM + linhas * PASSO_DA_LINHA - PASSO_DA_LINHA + 3 * PASSO_DO_PONTO


def filme(texto):
    """The SWF movie that shows the cells of texto one by one."""
    celas = braille.transcrever(texto)
    largura, altura = tamanho_do_palco(celas)
    tags = [
        tag(FILE_ATTRIBUTES, struct.pack("<I", 0)),
        tag(SET_BACKGROUND_COLOR, bytes(FUNDO)),
        define_shape(POSICAO, RAIO_DO_PONTO * TWIPS * 3 // 4, COR_DA_POSICAO),
        define_shape(PONTO, RAIO_DO_PONTO * TWIPS, COR_DO_PONTO),
    ]
    profundidade = 0
    for i, pontos in enumerate(celas):
        if not pontos:
            continue
        for ponto in range(1, 7):
            profundidade += 1
            tags.append(place_object2(profundidade, POSICAO, *posicao_do_ponto(i, ponto)))
    tags.append(tag(SHOW_FRAME))
    for i, pontos in enumerate(celas):
        for ponto in pontos:
            profundidade += 1
            tags.append(place_object2(profundidade, PONTO, *posicao_do_ponto(i, int(ponto))))
        tags.append(tag(SHOW_FRAME))
    tags += [tag(SHOW_FRAME)] * PAUSA_FINAL
    tags.append(tag(END))
    quadros = 1 + len(celas) + PAUSA_FINAL
    corpo = rect(0, largura * TWIPS, 0, altura * TWIPS) + struct.pack("<HH", QUADROS_POR_SEGUNDO << 8, quadros) + b"".join(tags)
    return b"FWS" + bytes([VERSAO]) + struct.pack("<I", 8 + len(corpo)) + corpo


class _Animacoes(HTMLParser):
    """Collects (data-texto, SWF link) of every <figure class="animacao"> of a page."""

    def __init__(self):
        super().__init__()
        self.encontradas = []
        self._texto = None

    def handle_starttag(self, nome, atributos):
        atributos = dict(atributos)
        if nome == "figure" and "animacao" in (atributos.get("class") or "").split():
            self._texto = atributos.get("data-texto")
        elif nome == "a" and self._texto is not None and (atributos.get("href") or "").endswith(".swf"):
            self.encontradas.append((self._texto, unquote(atributos["href"])))

    def handle_endtag(self, nome):
        if nome == "figure":
            self._texto = None


def animacoes_das_paginas(payload=PAYLOAD):
    """Every animation of the site: (page, text, SWF path relative to the page's folder)."""
    encontradas = []
    for pagina in sorted(payload.rglob("*.html")):
        leitor = _Animacoes()
        leitor.feed(pagina.read_text(encoding="utf-8"))
        encontradas += [(pagina, texto, swf) for texto, swf in leitor.encontradas]
    return encontradas


def main():
    for pagina, texto, swf in animacoes_das_paginas():
        destino = pagina.parent / swf
        dados = filme(texto)
        destino.write_bytes(dados)
        print(f"{destino.relative_to(PAYLOAD)}: «{texto}», {len(dados)} bytes")


if __name__ == "__main__":
    sys.exit(main())
