"""Structure checks of the course's JPEG and MP3 files, in plain Python.

Each reader walks the whole file and raises `FormatoInvalido` at the first thing out of place.
"""
import struct


class FormatoInvalido(ValueError):
    pass


# JPEG start-of-frame markers (baseline, extended, progressive, lossless; not DHT, JPG or DAC).
_SOF = {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF}


def tamanho_do_jpeg(dados):
    """(width, height) of a JPEG file whose segments run from SOI through the scan to EOI."""
    if dados[:2] != b"\xff\xd8":
        raise FormatoInvalido("no SOI marker")
    pos = 2
    tamanho = None
    while True:
        if pos + 4 > len(dados) or dados[pos] != 0xFF:
            raise FormatoInvalido(f"no marker at offset {pos}")
        marcador = dados[pos + 1]
        comprimento = struct.unpack(">H", dados[pos + 2 : pos + 4])[0]
        if comprimento < 2 or pos + 2 + comprimento > len(dados):
            raise FormatoInvalido(f"segment {marcador:#x} at {pos} runs past the end")
        if marcador in _SOF:
            altura, largura = struct.unpack(">HH", dados[pos + 5 : pos + 9])
            tamanho = (largura, altura)
        pos += 2 + comprimento
        if marcador == 0xDA:
            break
    if tamanho is None or 0 in tamanho:
        raise FormatoInvalido("no frame header before the scan")
    if dados[-2:] != b"\xff\xd9":
        raise FormatoInvalido("does not end with EOI")
    return tamanho


# MPEG audio frame header tables: bit rates (kbit/s) of layer III by version, sample rates (Hz).
_TAXAS_MPEG1 = [None, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, None]
_TAXAS_MPEG2 = [None, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, None]
_AMOSTRAGEM = {3: (44100, 48000, 32000), 2: (22050, 24000, 16000), 0: (11025, 12000, 8000)}


def tamanho_id3v2(dados):
    if dados[:3] != b"ID3":
        return 0
    tamanho = 0
    for b in dados[6:10]:
        if b & 0x80:
            raise FormatoInvalido("ID3v2 size is not a synchsafe integer")
        tamanho = tamanho << 7 | b
    return 10 + tamanho + (10 if dados[5] & 0x10 else 0)


def quadro_mp3(dados, pos):
    """(frame length in bytes, samples, sample rate) of the MPEG layer III frame at pos."""
    if pos + 4 > len(dados):
        raise FormatoInvalido(f"truncated frame header at {pos}")
    cabecalho = struct.unpack(">I", dados[pos : pos + 4])[0]
    if cabecalho >> 21 != 0x7FF:
        raise FormatoInvalido(f"no frame sync at {pos}")
    versao = cabecalho >> 19 & 3
    camada = cabecalho >> 17 & 3
    indice_da_taxa = cabecalho >> 12 & 15
    indice_da_amostragem = cabecalho >> 10 & 3
    preenchimento = cabecalho >> 9 & 1
    if versao == 1 or camada != 1:
        raise FormatoInvalido(f"frame at {pos} is not MPEG layer III")
    taxa = (_TAXAS_MPEG1 if versao == 3 else _TAXAS_MPEG2)[indice_da_taxa]
    if taxa is None or indice_da_amostragem == 3:
        raise FormatoInvalido(f"frame at {pos} has a reserved bit rate or sample rate")
    amostragem = _AMOSTRAGEM[versao][indice_da_amostragem]
    amostras = 1152 if versao == 3 else 576
    comprimento = amostras // 8 * taxa * 1000 // amostragem + preenchimento
    return comprimento, amostras, amostragem


def duracao_do_mp3(dados):
    """Seconds of audio in an MP3 made of an optional ID3v2 tag, whole frames and an optional
    ID3v1 tag, with nothing between the frames."""
    fim = len(dados) - (128 if dados[-128:-125] == b"TAG" else 0)
    pos = tamanho_id3v2(dados)
    segundos = 0.0
    quadros = 0
    while pos < fim:
        comprimento, amostras, amostragem = quadro_mp3(dados, pos)
        if pos + comprimento > fim:
            raise FormatoInvalido(f"the frame at {pos} runs past the end")
        pos += comprimento
        segundos += amostras / amostragem
        quadros += 1
    if quadros == 0:
        raise FormatoInvalido("no audio frames")
    return segundos
