#!/usr/bin/python3
"""Draws the course's 26 JPG images into resources/payload/Portugues.

Run with Debian's python3 and python3-pil; the DejaVu fonts (fonts-dejavu-core) draw the print
text. The output is committed; the drawing is deterministic, so running this again without
changes rewrites the same bytes. Every cell comes from the course's own table of signs
(braille.py), the same one the pages and games use.
"""
import io
import math
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

import braille
from curso import MAIOR_ARQUIVO, MENOR_ARQUIVO, PAYLOAD

DESTINO = PAYLOAD / "Portugues"
FONTES = Path("/usr/share/fonts/truetype/dejavu")
QUALIDADE = 80

AZUL = (27, 58, 107)
AZUL_CLARO = (223, 232, 245)
AMARELO = (242, 193, 78)
CREME = (251, 248, 241)
BRANCO = (255, 255, 255)
CINZA = (200, 196, 186)
TEXTO = (29, 29, 29)
PELE = (233, 185, 150)
PELE_ESCURA = (170, 112, 80)
PAPEL = (245, 240, 226)
METAL = (150, 156, 166)
METAL_ESCURO = (92, 98, 110)
MADEIRA = (156, 96, 48)

# The frases images: file name -> the phrase its cells write.
FRASES = {
    "amostra": "Eu leio com os dedos.",
    "atireiopaunogato": "atirei o pau no gato",
    "avidaebela": "a vida é bela",
    "bebe": "bebê",
    "chocolateaoleite": "chocolate ao leite",
    "desgraca": "desgraça",
    "educacao": "educação",
    "inutil": "inútil",
    "locomover": "locomover",
    "reconhecer": "reconhecer",
    "software": "software",
}
PASSO_DA_FRASE = 36
MARGEM_DA_FRASE = 20
ALTURA_DA_FRASE = 170


def fonte(tamanho, negrito=False):
    return ImageFont.truetype(str(FONTES / ("DejaVuSans-Bold.ttf" if negrito else "DejaVuSans.ttf")), tamanho)


def centralizar(desenho, x, y, texto, letra, cor=TEXTO):
    """Draws text with its centre at x and its top at y."""
    largura = desenho.textlength(texto, font=letra)
    desenho.text((x - largura / 2, y), texto, font=letra, fill=cor)


def desenhar_cela(desenho, x, y, pontos, raio, passo, cor=AZUL, vazio=CINZA, numeros=None):
    """A cell with its top-left dot centred at (x, y): raised dots filled, the others outlined.

    A blank cell (the space between words) is left blank."""
    if not pontos:
        return
    for n in range(1, 7):
        cx = x + (passo if n > 3 else 0)
        cy = y + passo * ((n - 1) % 3)
        caixa = [cx - raio, cy - raio, cx + raio, cy + raio]
        if str(n) in pontos:
            desenho.ellipse(caixa, fill=cor)
        else:
            desenho.ellipse(caixa, outline=vazio, width=max(1, raio // 4))
        if numeros:
            lado = -1 if n <= 3 else 1
            centralizar(desenho, cx + lado * (raio + numeros.size * 0.9), cy - numeros.size * 0.6, str(n), numeros)


def cela_pequena(desenho, x, y, pontos):
    desenhar_cela(desenho, x, y, pontos, raio=5, passo=14)


def salvar(imagem, nome):
    """Saves as baseline JPEG and checks that the file keeps within the site's size limits."""
    saida = io.BytesIO()
    imagem.save(saida, "JPEG", quality=QUALIDADE, optimize=False, progressive=False)
    dados = saida.getvalue()
    if not MENOR_ARQUIVO <= len(dados) <= MAIOR_ARQUIVO:
        raise SystemExit(f"{nome}: {len(dados)} bytes, outside {MENOR_ARQUIVO}..{MAIOR_ARQUIVO}")
    destino = DESTINO / nome
    destino.parent.mkdir(parents=True, exist_ok=True)
    destino.write_bytes(dados)
    print(f"{nome}: {imagem.width}x{imagem.height}, {len(dados)} bytes")


def nova(largura, altura, fundo=BRANCO):
    imagem = Image.new("RGB", (largura, altura), fundo)
    return imagem, ImageDraw.Draw(imagem)


# --- decoration ----------------------------------------------------------------------------


def barcolorup():
    imagem, d = nova(40, 14, AZUL)
    d.rectangle([0, 10, 39, 13], fill=AMARELO)
    return imagem


def barcolordown():
    imagem, d = nova(40, 16, CREME)
    d.rectangle([0, 0, 39, 3], fill=AMARELO)
    d.rectangle([0, 4, 39, 15], fill=AZUL)
    return imagem


def barrap():
    imagem, d = nova(24, 6, AZUL)
    for x in (6, 18):
        d.ellipse([x - 2, 1, x + 2, 5], fill=AMARELO)
    return imagem


def borda():
    """The page's left border: a column of faint cells beside a blue rule."""
    imagem, d = nova(48, 48, CREME)
    d.rectangle([40, 0, 42, 47], fill=AZUL)
    for i, pontos in enumerate(("12", "1245")):
        desenhar_cela(d, 12, 6 + 24 * i, pontos, raio=2, passo=6, cor=(190, 200, 220), vazio=CREME)
    return imagem


def borda2():
    """The left edge of the notes: a yellow band with a dot."""
    imagem, d = nova(24, 24, BRANCO)
    d.rectangle([0, 0, 7, 23], fill=AMARELO)
    d.ellipse([13, 9, 19, 15], fill=AZUL)
    return imagem


def barradologo():
    imagem, d = nova(760, 90, AZUL)
    d.rectangle([0, 82, 759, 89], fill=AMARELO)
    titulo = fonte(44, negrito=True)
    d.text((28, 12), "Pontilha", font=titulo, fill=BRANCO)
    d.text((30, 62), "curso de Braille", font=fonte(15), fill=AMARELO)
    x = 300
    for pontos in braille.transcrever("Pontilha"):
        desenhar_cela(d, x, 22, pontos, raio=5, passo=15, cor=AMARELO, vazio=(70, 98, 145))
        x += 42
    return imagem


def faixa(titulo, subtitulo, palavra):
    imagem, d = nova(468, 60, AZUL)
    d.rectangle([0, 0, 467, 59], outline=AMARELO, width=3)
    d.text((16, 8), titulo, font=fonte(19, negrito=True), fill=BRANCO)
    d.text((16, 34), subtitulo, font=fonte(13), fill=AMARELO)
    x = 468 - 16 - 24 * len(braille.transcrever(palavra))
    for pontos in braille.transcrever(palavra):
        desenhar_cela(d, x, 16, pontos, raio=3, passo=9, cor=AMARELO, vazio=(70, 98, 145))
        x += 24
    return imagem


def frasegratis():
    return faixa("Frases em Braille", "para praticar a leitura, grátis", "ler")


def softwaregratis():
    return faixa("Pontilha: software grátis", "para aprender Braille", "grátis")


# --- teaching images --------------------------------------------------------------------------


def celabraille():
    imagem, d = nova(320, 300)
    d.rounded_rectangle([52, 30, 268, 250], radius=18, outline=AZUL, width=3)
    desenhar_cela(d, 130, 75, "123456", raio=20, passo=65, numeros=fonte(24, negrito=True))
    centralizar(d, 160, 262, "a cela braille", fonte(18))
    return imagem


def louisbraille():
    imagem, d = nova(480, 240, CREME)
    d.rectangle([8, 8, 471, 231], outline=AZUL, width=4)
    d.rectangle([16, 16, 463, 223], outline=AMARELO, width=2)
    centralizar(d, 240, 32, "Louis Braille", fonte(40, negrito=True), AZUL)
    centralizar(d, 240, 84, "1809–1852", fonte(24))
    celas = braille.transcrever("Louis Braille")
    x = 240 - len(celas) * 15 + 10
    for pontos in celas:
        desenhar_cela(d, round(x), 140, pontos, raio=4, passo=11)
        x += 30
    centralizar(d, 240, 190, "criador do sistema de leitura em pontos", fonte(15))
    return imagem


def quadro_de_sinais(largura, altura, titulo, itens, colunas, linha_de_cima=0):
    """A chart: each item is (print text, the cells it shows, caption under it)."""
    imagem, d = nova(largura, altura)
    centralizar(d, largura / 2, 12, titulo, fonte(22, negrito=True), AZUL)
    largura_da_coluna = largura / colunas
    linhas = math.ceil(len(itens) / colunas)
    altura_da_linha = (altura - 50 - linha_de_cima) / linhas
    for i, (tinta, celas, legenda) in enumerate(itens):
        cx = largura_da_coluna * (i % colunas + 0.5)
        topo = 50 + linha_de_cima + altura_da_linha * (i // colunas)
        x = cx - len(celas) * 56 / 2 + 17
        for pontos in celas:
            desenhar_cela(d, round(x), round(topo + 14), pontos, raio=8, passo=21)
            x += 56
        centralizar(d, cx, topo + 66, tinta, fonte(20, negrito=True))
        if legenda:
            centralizar(d, cx, topo + 92, legenda, fonte(12))
        d.rectangle([cx - largura_da_coluna / 2 + 4, topo, cx + largura_da_coluna / 2 - 4, topo + altura_da_linha - 6], outline=AZUL_CLARO)
    return imagem, d


def alfabeto():
    letras = "abcdefghijklmnopqrstuvwxyzç"
    itens = [(c, braille.transcrever(c), None) for c in letras]
    imagem, _ = quadro_de_sinais(760, 520, "O alfabeto braille", itens, colunas=7)
    return imagem


def numeros():
    itens = [(c, braille.transcrever(c), None) for c in "1234567890"]
    imagem, d = quadro_de_sinais(760, 300, "Os números: sinal de número e as letras de a a j", itens, colunas=5)
    return imagem


def pontuacao():
    nomes = {",": "vírgula", ";": "ponto e vírgula", ":": "dois-pontos", ".": "ponto", "?": "interrogação",
             "!": "exclamação", "-": "hífen", '"': "aspas", "(": "abre parênteses", ")": "fecha parênteses"}
    itens = [(c, braille.transcrever(c), nome) for c, nome in nomes.items()]
    imagem, _ = quadro_de_sinais(760, 300, "A pontuação em Braille", itens, colunas=5)
    return imagem


def reglete():
    """A slate (two hinged metal plates with rows of cell windows) and a stylus beside it."""
    imagem, d = nova(560, 300, CREME)
    d.rounded_rectangle([30, 50, 400, 230], radius=10, fill=METAL, outline=METAL_ESCURO, width=3)
    d.rectangle([30, 136, 400, 144], fill=METAL_ESCURO)
    for linha in range(2):
        for coluna in range(12):
            x = 48 + coluna * 29
            for y in (66 + linha * 34, 152 + linha * 34):
                d.rounded_rectangle([x, y, x + 20, y + 26], radius=4, fill=PAPEL, outline=METAL_ESCURO)
    for y in (62, 212):
        d.ellipse([14, y - 8, 30, y + 8], fill=METAL_ESCURO)
    # The stylus: a rounded wooden handle and a short metal point.
    d.ellipse([440, 60, 500, 120], fill=MADEIRA, outline=(100, 60, 30), width=2)
    d.polygon([(452, 110), (488, 110), (478, 200), (462, 200)], fill=MADEIRA, outline=(100, 60, 30))
    d.polygon([(464, 200), (476, 200), (470, 240)], fill=METAL_ESCURO)
    centralizar(d, 215, 250, "reglete", fonte(20, negrito=True), AZUL)
    centralizar(d, 470, 250, "punção", fonte(20, negrito=True), AZUL)
    return imagem


def mao(d, x, y, espelhada):
    """A hand seen from above, index finger reaching up to the line of dots at (x, y)."""
    lado = -1 if espelhada else 1
    palma = [(x - 30 * lado, y + 70), (x + 40 * lado, y + 70), (x + 52 * lado, y + 150), (x - 40 * lado, y + 150)]
    d.polygon(palma, fill=PELE, outline=PELE_ESCURA)
    d.rounded_rectangle(caixa_ordenada(x - 9, y - 4, x + 9, y + 84), radius=9, fill=PELE, outline=PELE_ESCURA, width=2)
    for i, altura in enumerate((40, 46, 52)):
        dedo_x = x + lado * (20 + 16 * i)
        d.rounded_rectangle(caixa_ordenada(dedo_x - 8, y + altura, dedo_x + 8, y + 100), radius=8, fill=PELE, outline=PELE_ESCURA, width=2)
    polegar_x = x - lado * 30
    d.rounded_rectangle(caixa_ordenada(polegar_x - 10, y + 80, polegar_x + 8, y + 128), radius=9, fill=PELE, outline=PELE_ESCURA, width=2)
    d.ellipse([x - 5, y - 2, x + 5, y + 8], fill=(240, 205, 180))


def caixa_ordenada(x0, y0, x1, y1):
    return [min(x0, x1), min(y0, y1), max(x0, x1), max(y0, y1)]


def braillemaos():
    imagem, d = nova(400, 260, AZUL_CLARO)
    d.polygon([(30, 20), (370, 20), (390, 250), (10, 250)], fill=PAPEL, outline=CINZA)
    texto = braille.transcrever("o braille abre portas para a leitura")
    for linha in range(4):
        x = 44
        for pontos in texto[linha * 9 : linha * 9 + 9]:
            cela_pequena(d, x, 36 + linha * 48, pontos)
            x += 34
    mao(d, 150, 98, espelhada=False)
    mao(d, 262, 98, espelhada=True)
    return imagem


def frase(texto):
    """The phrase's cells in a row, each letter under its cell and the whole phrase below."""
    celas = braille.transcrever(texto)
    imagem, d = nova(2 * MARGEM_DA_FRASE + len(celas) * PASSO_DA_FRASE, ALTURA_DA_FRASE)
    letra = fonte(14)
    rotulos = rotulos_das_celas(texto)
    for i, pontos in enumerate(celas):
        x = MARGEM_DA_FRASE + i * PASSO_DA_FRASE
        if pontos:
            d.rounded_rectangle([x + 2, 16, x + PASSO_DA_FRASE - 4, 76], radius=5, outline=AZUL_CLARO)
        desenhar_cela(d, x + 10, 30, pontos, raio=6, passo=16)
        centralizar(d, x + PASSO_DA_FRASE / 2 - 1, 84, rotulos[i], letra, (90, 90, 90))
    centralizar(d, imagem.width / 2, 118, texto, fonte(24, negrito=True), AZUL)
    return imagem


def rotulos_das_celas(texto):
    """What to print under each cell: the letter it writes, ⇧ under a capital sign, # under a number sign."""
    rotulos = []
    for c in texto:
        celas = braille.transcrever(c)
        rotulos += ["⇧" if c.isupper() else "#"] * (len(celas) - 1) + [c if c != " " else ""]
    return rotulos


IMAGENS = {
    "barcolordown.jpg": barcolordown,
    "barcolorup.jpg": barcolorup,
    "barradologo.jpg": barradologo,
    "barrap.jpg": barrap,
    "borda2.jpg": borda2,
    "borda.jpg": borda,
    "braillemaos.jpg": braillemaos,
    "celabraille.jpg": celabraille,
    "frasegratis.jpg": frasegratis,
    "louisbraille.jpg": louisbraille,
    "alfabeto.jpg": alfabeto,
    "reglete.jpg": reglete,
    "softwaregratis.jpg": softwaregratis,
    "numeros.jpg": numeros,
    "pontuacao.jpg": pontuacao,
}


def main():
    for nome, desenho in IMAGENS.items():
        salvar(desenho(), nome)
    for nome, texto in FRASES.items():
        salvar(frase(texto), f"frases/{nome}.jpg")


if __name__ == "__main__":
    sys.exit(main())
