"""Reads and checks SWF movies, independently of the code that writes them.

`ler(dados)` parses a whole movie and raises `SwfInvalido` at the first rule it breaks: the
header (signature, length, frame rectangle, rate and count), the tag stream up to the End tag
that closes the file, FileAttributes first from version 8 on, every DefineShape's styles and
records consumed exactly and every filled path closed, and every PlaceObject2 consistent with
the display list (a new character only on a free depth, a move only on a used one, only defined
characters). The result keeps, per frame, what was placed where.
"""
import struct
import zlib
from dataclasses import dataclass, field

END, SHOW_FRAME, DEFINE_SHAPE, SET_BACKGROUND_COLOR, PLACE_OBJECT2, REMOVE_OBJECT2, FILE_ATTRIBUTES = 0, 1, 2, 9, 26, 28, 69
CONHECIDAS = {END, SHOW_FRAME, DEFINE_SHAPE, SET_BACKGROUND_COLOR, PLACE_OBJECT2, REMOVE_OBJECT2, FILE_ATTRIBUTES}


class SwfInvalido(ValueError):
    pass


class Leitor:
    """Bit and byte fields of SWF: bit fields most significant bit first, integers little-endian."""

    def __init__(self, dados, onde=""):
        self.dados = dados
        self.pos = 0
        self.bit = 0
        self.onde = onde

    def falhar(self, motivo):
        raise SwfInvalido(f"{self.onde}: {motivo}" if self.onde else motivo)

    def alinhar(self):
        if self.bit:
            self.bit = 0
            self.pos += 1

    def bytes(self, n):
        self.alinhar()
        if self.pos + n > len(self.dados):
            self.falhar(f"ends {self.pos + n - len(self.dados)} bytes too soon")
        trecho = self.dados[self.pos : self.pos + n]
        self.pos += n
        return trecho

    def ui8(self):
        return self.bytes(1)[0]

    def ui16(self):
        return struct.unpack("<H", self.bytes(2))[0]

    def ui32(self):
        return struct.unpack("<I", self.bytes(4))[0]

    def ub(self, n):
        valor = 0
        for _ in range(n):
            if self.pos >= len(self.dados):
                self.falhar("bit field runs past the end")
            valor = (valor << 1) | ((self.dados[self.pos] >> (7 - self.bit)) & 1)
            self.bit += 1
            if self.bit == 8:
                self.bit = 0
                self.pos += 1
        return valor

    def sb(self, n):
        valor = self.ub(n)
        return valor - (1 << n) if n and valor >> (n - 1) else valor

    def restante(self):
        return len(self.dados) - self.pos - (1 if self.bit else 0)


def ler_rect(l):
    n = l.ub(5)
    xmin, xmax, ymin, ymax = (l.sb(n) for _ in range(4))
    l.alinhar()
    if xmin > xmax or ymin > ymax:
        l.falhar(f"RECT with min above max: {xmin, xmax, ymin, ymax}")
    return xmin, xmax, ymin, ymax


def ler_matriz(l):
    if l.ub(1):
        n = l.ub(5)
        l.sb(n), l.sb(n)
    if l.ub(1):
        n = l.ub(5)
        l.sb(n), l.sb(n)
    n = l.ub(5)
    x, y = l.sb(n), l.sb(n)
    l.alinhar()
    return x, y


def ler_cxform_com_alfa(l):
    tem_soma, tem_produto = l.ub(1), l.ub(1)
    n = l.ub(4)
    for _ in range(4 * (tem_soma + tem_produto)):
        l.sb(n)
    l.alinhar()


def ler_estilos(l, versao_da_forma):
    quantos = l.ui8()
    if quantos == 0xFF and versao_da_forma > 1:
        quantos = l.ui16()
    preenchimentos = []
    for _ in range(quantos):
        tipo = l.ui8()
        if tipo != 0x00:
            l.falhar(f"fill style type {tipo:#x}: only solid fills are expected")
        preenchimentos.append(tuple(l.bytes(3)))
    quantos = l.ui8()
    if quantos == 0xFF and versao_da_forma > 1:
        quantos = l.ui16()
    for _ in range(quantos):
        l.ui16()
        l.bytes(3)
    return preenchimentos, quantos


@dataclass
class Forma:
    limites: tuple
    preenchimentos: list
    caminhos: int = 0


def ler_forma(l):
    """DefineShape: id, bounds, styles and shape records, each filled path closed."""
    ident = l.ui16()
    limites = ler_rect(l)
    preenchimentos, linhas = ler_estilos(l, 1)
    bits_de_preenchimento, bits_de_linha = l.ub(4), l.ub(4)
    forma = Forma(limites, preenchimentos)
    x = y = inicio_x = inicio_y = 0
    preenchido = False

    def fechar():
        if preenchido and (x, y) != (inicio_x, inicio_y):
            l.falhar(f"shape {ident}: filled path from {inicio_x, inicio_y} ends open at {x, y}")

    while True:
        if l.ub(1):
            reto = l.ub(1)
            n = l.ub(4) + 2
            if reto:
                if l.ub(1):
                    x, y = x + l.sb(n), y + l.sb(n)
                elif l.ub(1):
                    y += l.sb(n)
                else:
                    x += l.sb(n)
            else:
                x, y = x + l.sb(n), y + l.sb(n)
                x, y = x + l.sb(n), y + l.sb(n)
            continue
        novos, linha, preench1, preench0, mover = (l.ub(1) for _ in range(5))
        if not (novos or linha or preench1 or preench0 or mover):
            fechar()
            break
        if mover:
            fechar()
            n = l.ub(5)
            x, y = l.sb(n), l.sb(n)
            inicio_x, inicio_y = x, y
            forma.caminhos += 1
        for tem in (preench0, preench1):
            if tem:
                indice = l.ub(bits_de_preenchimento)
                if indice > len(preenchimentos):
                    l.falhar(f"shape {ident}: fill style {indice} of {len(preenchimentos)}")
                preenchido = preenchido or indice > 0
        if linha and l.ub(bits_de_linha) > linhas:
            l.falhar(f"shape {ident}: line style out of range")
        if novos:
            l.falhar(f"shape {ident}: new styles are only valid in DefineShape2 and later")
    l.alinhar()
    if l.restante():
        l.falhar(f"shape {ident}: {l.restante()} bytes left after the end of the shape")
    return ident, forma


@dataclass
class Filme:
    versao: int
    palco: tuple
    quadros_por_segundo: float
    quadros_declarados: int
    fundo: tuple = None
    formas: dict = field(default_factory=dict)
    # Per frame: the objects placed in it, as (depth, character id, x, y) in twips.
    quadros: list = field(default_factory=list)


def ler_colocacao(l, lista, formas):
    flags = l.ui8()
    profundidade = l.ui16()
    mover = flags & 0x01
    ident = l.ui16() if flags & 0x02 else None
    x = y = 0
    if flags & 0x04:
        x, y = ler_matriz(l)
    if flags & 0x08:
        ler_cxform_com_alfa(l)
    if flags & 0x10:
        l.ui16()
    if flags & 0x20:
        while l.ui8():
            pass
    if flags & 0x40:
        l.ui16()
    if flags & 0x80:
        l.falhar("clip actions are not expected")
    if l.restante():
        l.falhar(f"{l.restante()} bytes left after the placement")
    if profundidade == 0:
        l.falhar("depth 0")
    if ident is not None and ident not in formas:
        l.falhar(f"character {ident} placed before it is defined")
    if not mover and ident is None:
        l.falhar("a placement with neither a character nor a move")
    if not mover and profundidade in lista:
        l.falhar(f"depth {profundidade} is already in use")
    if mover and profundidade not in lista:
        l.falhar(f"moving depth {profundidade}, which is empty")
    lista[profundidade] = ident if ident is not None else lista[profundidade]
    return profundidade, lista[profundidade], x, y


def descompactar(dados):
    if len(dados) < 8:
        raise SwfInvalido("shorter than the SWF header")
    assinatura = bytes(dados[:3])
    if assinatura == b"CWS":
        return b"FWS" + dados[3:8] + zlib.decompress(dados[8:])
    if assinatura != b"FWS":
        raise SwfInvalido(f"signature {assinatura!r} is not FWS or CWS")
    return bytes(dados)


def ler(dados, nome="SWF"):
    dados = descompactar(dados)
    l = Leitor(dados, nome)
    l.bytes(3)
    versao = l.ui8()
    tamanho = l.ui32()
    if tamanho != len(dados):
        l.falhar(f"header says {tamanho} bytes, the file has {len(dados)}")
    palco = ler_rect(l)
    if palco[1] - palco[0] <= 0 or palco[3] - palco[2] <= 0:
        l.falhar(f"empty stage {palco}")
    taxa = l.ui16() / 256
    declarados = l.ui16()
    if taxa <= 0 or declarados == 0:
        l.falhar(f"frame rate {taxa} and frame count {declarados}")
    filme = Filme(versao, palco, taxa, declarados)
    lista = {}
    atual = []
    primeira = True
    while True:
        cabecalho = l.ui16()
        codigo, comprimento = cabecalho >> 6, cabecalho & 0x3F
        if comprimento == 0x3F:
            comprimento = l.ui32()
        corpo = Leitor(l.bytes(comprimento), f"{nome}, tag {codigo} at {l.pos - comprimento}")
        if codigo not in CONHECIDAS:
            corpo.falhar("unexpected tag")
        if versao >= 8 and primeira and codigo != FILE_ATTRIBUTES:
            corpo.falhar("a movie of version 8 or later must start with FileAttributes")
        primeira = False
        if codigo == END:
            if comprimento or l.restante():
                corpo.falhar(f"End is not the last {comprimento} bytes of the file")
            break
        if codigo == FILE_ATTRIBUTES:
            if comprimento != 4 or corpo.ui32() & ~0x79:
                corpo.falhar("FileAttributes with reserved bits set")
        elif codigo == SET_BACKGROUND_COLOR:
            filme.fundo = tuple(corpo.bytes(3))
        elif codigo == DEFINE_SHAPE:
            ident, forma = ler_forma(corpo)
            if ident == 0 or ident in filme.formas:
                corpo.falhar(f"character id {ident} is zero or defined twice")
            filme.formas[ident] = forma
        elif codigo == PLACE_OBJECT2:
            atual.append(ler_colocacao(corpo, lista, filme.formas))
        elif codigo == REMOVE_OBJECT2:
            lista.pop(corpo.ui16(), None)
        elif codigo == SHOW_FRAME:
            filme.quadros.append(atual)
            atual = []
        if corpo.restante():
            corpo.falhar(f"{corpo.restante()} bytes left in the tag")
    if atual:
        raise SwfInvalido(f"{nome}: objects placed after the last ShowFrame")
    if len(filme.quadros) != declarados:
        raise SwfInvalido(f"{nome}: header declares {declarados} frames, the tags show {len(filme.quadros)}")
    return filme


def celas_reveladas(filme, posicao, ponto):
    """Which Braille cell each frame after the first one raises, as its string of dots.

    The first frame lays out the empty positions (character `posicao`), six per cell; a raised
    dot (character `ponto`) sits exactly on a position, and its number follows from where that
    position is in its cell: 1 2 3 down the left column, 4 5 6 down the right."""
    posicoes = [(x, y) for _, ident, x, y in filme.quadros[0] if ident == posicao]
    if len(posicoes) % 6:
        raise SwfInvalido(f"{len(posicoes)} dot positions do not make whole cells")
    lugar = {}
    for cela in range(len(posicoes) // 6):
        grupo = posicoes[6 * cela : 6 * cela + 6]
        colunas = sorted({x for x, _ in grupo})
        linhas = sorted({y for _, y in grupo})
        if len(colunas) != 2 or len(linhas) != 3 or len(set(grupo)) != 6:
            raise SwfInvalido(f"the positions of cell {cela} are not two columns of three")
        for x, y in grupo:
            lugar[(x, y)] = (cela, 1 + linhas.index(y) + 3 * colunas.index(x))
    reveladas = []
    proxima = 0
    for n, quadro in enumerate(filme.quadros[1:], start=2):
        pontos = []
        for _, ident, x, y in quadro:
            if ident != ponto or (x, y) not in lugar:
                raise SwfInvalido(f"frame {n}: something other than a raised dot on a position")
            cela, numero = lugar[(x, y)]
            if cela != proxima:
                raise SwfInvalido(f"frame {n} raises a dot of cell {cela}, the next one is {proxima}")
            pontos.append(numero)
        if pontos:
            proxima += 1
        reveladas.append("".join(str(p) for p in sorted(pontos)))
    if proxima != len(posicoes) // 6:
        raise SwfInvalido(f"only {proxima} of {len(posicoes) // 6} cells get their dots")
    return reveladas
