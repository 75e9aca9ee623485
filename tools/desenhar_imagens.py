#!/usr/bin/env python3
"""Draws the program's icons and glyphs into resources/imagens/.

The images are committed; run this again (python3 with Pillow, Debian's python3-pil) after
changing a drawing. Every glyph is an icon with an alpha channel so that it sits on any
button face; ARQUIVOIAC is the 24 x 24 bitmap of the installation description's control;
Copiando.avi is the copying page's animation for systems that have no file-copy clip.
"""
import math
import struct
from pathlib import Path
from PIL import Image, ImageDraw

OUT = Path(__file__).resolve().parent.parent / "resources" / "imagens"
NAVY = (24, 48, 120, 255)
SKY = (90, 150, 220, 255)
GREEN = (30, 140, 60, 255)
RED = (190, 30, 30, 255)
GOLD = (230, 170, 30, 255)
GRAY = (120, 120, 120, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def canvas(size):
    return Image.new("RGBA", (size, size), CLEAR)


def braille_cell(draw, x, y, w, h, dots, on=NAVY, off=None):
    """Six dots in two columns, numbered 1-2-3 down the left and 4-5-6 down the right."""
    r = min(w / 4.2, h / 6.2)
    for n in range(1, 7):
        col = 0 if n <= 3 else 1
        row = (n - 1) % 3
        cx = x + w * (0.28 + 0.44 * col)
        cy = y + h * (0.18 + 0.32 * row)
        fill = on if n in dots else off
        if fill:
            draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=fill)


def program_icon(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, 0, size - 1, size - 1], radius=size // 6, fill=WHITE, outline=NAVY,
                        width=max(1, size // 16))
    # The letter "p" in Braille: dots 1, 2, 3 and 4.
    braille_cell(d, size * 0.12, size * 0.1, size * 0.76, size * 0.8, {1, 2, 3, 4},
                 off=(200, 210, 230, 255))
    return img


def framework_icon(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.ellipse([1, 1, size - 2, size - 2], fill=SKY, outline=NAVY, width=max(1, size // 16))
    # A life ring: four bands.
    c = size / 2
    for a in (0, 90, 180, 270):
        d.pieslice([1, 1, size - 2, size - 2], a + 20, a + 70, fill=WHITE)
    d.ellipse([c - size * 0.22, c - size * 0.22, c + size * 0.22, c + size * 0.22], fill=CLEAR)
    return img


def install_glyph(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.rectangle([size * 0.12, size * 0.5, size * 0.88, size * 0.92], fill=GOLD, outline=NAVY,
                width=max(1, size // 24))
    d.polygon([(size * 0.5, size * 0.62), (size * 0.22, size * 0.32), (size * 0.4, size * 0.32),
               (size * 0.4, size * 0.05), (size * 0.6, size * 0.05), (size * 0.6, size * 0.32),
               (size * 0.78, size * 0.32)], fill=GREEN)
    return img


def change_glyph(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.rectangle([size * 0.1, size * 0.06, size * 0.9, size * 0.94], fill=WHITE, outline=NAVY,
                width=max(1, size // 24))
    for i in range(3):
        y = size * (0.22 + 0.26 * i)
        d.rectangle([size * 0.2, y, size * 0.34, y + size * 0.14], outline=NAVY,
                    width=max(1, size // 32))
        if i != 1:
            d.line([(size * 0.21, y + size * 0.07), (size * 0.27, y + size * 0.13),
                    (size * 0.36, y - size * 0.02)], fill=GREEN, width=max(2, size // 14))
        d.line([(size * 0.42, y + size * 0.07), (size * 0.8, y + size * 0.07)], fill=GRAY,
               width=max(1, size // 20))
    return img


def uninstall_glyph(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.rectangle([size * 0.12, size * 0.4, size * 0.88, size * 0.92], fill=GOLD, outline=NAVY,
                width=max(1, size // 24))
    w = max(2, size // 9)
    d.line([(size * 0.3, size * 0.06), (size * 0.7, size * 0.46)], fill=RED, width=w)
    d.line([(size * 0.7, size * 0.06), (size * 0.3, size * 0.46)], fill=RED, width=w)
    return img


def arrow_glyph(size, right=True, color=GREEN):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    pts = [(0.15, 0.38), (0.55, 0.38), (0.55, 0.15), (0.9, 0.5), (0.55, 0.85), (0.55, 0.62),
           (0.15, 0.62)]
    if not right:
        pts = [(1 - x, y) for x, y in pts]
    d.polygon([(x * size, y * size) for x, y in pts], fill=color)
    return img


def cancel_glyph(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    w = max(2, size // 6)
    d.line([(size * 0.2, size * 0.2), (size * 0.8, size * 0.8)], fill=RED, width=w)
    d.line([(size * 0.8, size * 0.2), (size * 0.2, size * 0.8)], fill=RED, width=w)
    return img


def check_glyph(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.line([(size * 0.12, size * 0.55), (size * 0.4, size * 0.82), (size * 0.9, size * 0.18)],
           fill=GREEN, width=max(2, size // 6))
    return img


def about_glyph(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.ellipse([1, 1, size - 2, size - 2], fill=SKY)
    d.ellipse([size * 0.43, size * 0.18, size * 0.57, size * 0.32], fill=WHITE)
    d.rectangle([size * 0.43, size * 0.4, size * 0.57, size * 0.8], fill=WHITE)
    return img


def folder_glyph(size):
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.rectangle([size * 0.06, size * 0.2, size * 0.45, size * 0.35], fill=GOLD)
    d.rectangle([size * 0.06, size * 0.3, size * 0.94, size * 0.85], fill=GOLD, outline=NAVY)
    return img


def new_folder_glyph(size):
    img = folder_glyph(size)
    d = ImageDraw.Draw(img)
    # A green plus at the top right corner.
    w = max(1, round(size * 0.12))
    cx, cy = size * 0.75, size * 0.25
    d.rectangle([cx - size * 0.22, cy - w / 2, cx + size * 0.22, cy + w / 2], fill=GREEN)
    d.rectangle([cx - w / 2, cy - size * 0.22, cx + w / 2, cy + size * 0.22], fill=GREEN)
    return img


def delete_folder_glyph(size):
    img = folder_glyph(size)
    d = ImageDraw.Draw(img)
    # A red cross over the folder's lower right part.
    w = max(2, size // 8)
    d.line([(size * 0.45, size * 0.45), (size * 0.92, size * 0.92)], fill=RED, width=w)
    d.line([(size * 0.92, size * 0.45), (size * 0.45, size * 0.92)], fill=RED, width=w)
    return img


def documents_glyph(size):
    img = folder_glyph(size)
    d = ImageDraw.Draw(img)
    # A written sheet standing in the folder.
    d.rectangle([size * 0.3, size * 0.08, size * 0.78, size * 0.7], fill=WHITE, outline=NAVY)
    for i in range(3):
        y = size * (0.22 + 0.14 * i)
        d.line([(size * 0.38, y), (size * 0.7, y)], fill=GRAY, width=max(1, size // 16))
    return img


def replace_symbol(size):
    """Two sheets, the new one in front with an arrow onto the old: the overwrite question."""
    img = canvas(size)
    d = ImageDraw.Draw(img)
    w = max(1, size // 24)
    d.rectangle([size * 0.42, size * 0.06, size * 0.94, size * 0.7], fill=(220, 225, 235, 255),
                outline=GRAY, width=w)
    d.rectangle([size * 0.06, size * 0.3, size * 0.58, size * 0.94], fill=WHITE, outline=NAVY,
                width=w)
    for i in range(3):
        y = size * (0.46 + 0.14 * i)
        d.line([(size * 0.14, y), (size * 0.5, y)], fill=GRAY, width=max(1, size // 20))
    d.polygon([(size * 0.5, size * 0.2), (size * 0.72, size * 0.2), (size * 0.72, size * 0.1),
               (size * 0.92, size * 0.3), (size * 0.72, size * 0.5), (size * 0.72, size * 0.4),
               (size * 0.5, size * 0.4)], fill=GREEN)
    return img


def find_symbol(size):
    """A magnifying glass over a sheet: the missing-file question."""
    img = canvas(size)
    d = ImageDraw.Draw(img)
    w = max(1, size // 24)
    d.rectangle([size * 0.08, size * 0.04, size * 0.62, size * 0.8], fill=WHITE, outline=NAVY,
                width=w)
    for i in range(4):
        y = size * (0.16 + 0.13 * i)
        d.line([(size * 0.16, y), (size * 0.54, y)], fill=GRAY, width=max(1, size // 20))
    d.line([(size * 0.68, size * 0.68), (size * 0.94, size * 0.94)], fill=NAVY,
           width=max(2, size // 7))
    d.ellipse([size * 0.36, size * 0.36, size * 0.76, size * 0.76], fill=(200, 225, 250, 200),
              outline=NAVY, width=max(2, size // 12))
    return img


def skip_glyph(size):
    """An arrow that jumps over a sheet: go on without this file."""
    img = canvas(size)
    d = ImageDraw.Draw(img)
    d.rectangle([size * 0.36, size * 0.5, size * 0.64, size * 0.92], fill=WHITE, outline=GRAY,
                width=max(1, size // 24))
    d.arc([size * 0.1, size * 0.12, size * 0.82, size * 0.9], 190, 340, fill=NAVY,
          width=max(2, size // 8))
    d.polygon([(size * 0.7, size * 0.3), (size * 0.96, size * 0.36), (size * 0.8, size * 0.58)],
              fill=NAVY)
    return img


def banner(width, height):
    """The decorative strip of the wizard's pages: a row of Braille cells spelling "pontilha"."""
    img = Image.new("RGBA", (width, height), NAVY)
    d = ImageDraw.Draw(img)
    word = [{1, 2, 3, 4}, {1, 3, 5}, {1, 3, 4, 5}, {2, 3, 4, 5}, {2, 4}, {1, 2, 3}, {1, 2, 5},
            {1}]
    cell_w = height * 0.55
    x = (width - cell_w * len(word) * 1.25) / 2
    for dots in word:
        braille_cell(d, x, height * 0.1, cell_w, height * 0.8, dots, on=WHITE,
                     off=(60, 90, 160, 255))
        x += cell_w * 1.25
    return img


def rle4_row(indexes):
    """One row in BI_RLE4's encoded mode: each run of one colour as a count and the colour twice,
    then the end-of-line mark."""
    out = bytearray()
    x = 0
    while x < len(indexes):
        run = 1
        while x + run < len(indexes) and indexes[x + run] == indexes[x] and run < 255:
            run += 1
        out += bytes((run, indexes[x] << 4 | indexes[x]))
        x += run
    return bytes(out + b"\x00\x00")


def save_bmp_rle4(name, img):
    """A bitmap of at most 16 colours as a 4-bit palette BMP compressed with BI_RLE4: the banner is
    long runs of its ground colour between the dots, and travels inside the program."""
    rgb = img.convert("RGB")
    width, height = rgb.size
    colours = sorted(set(rgb.getdata()))
    assert len(colours) <= 16, f"{name}: {len(colours)} colours do not fit in 4 bits"
    index = {c: i for i, c in enumerate(colours)}
    rows = [rle4_row([index[rgb.getpixel((x, y))] for x in range(width)])
            for y in range(height - 1, -1, -1)]  # bottom-up, as BMP keeps its rows
    pixels = b"".join(rows)[:-2] + b"\x00\x01"  # the last end of line becomes end of bitmap
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    palette += bytes(4 * (16 - len(colours)))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 2, len(pixels), 2835, 2835, 16, 0)
    (OUT / name).write_bytes(header + info + palette + pixels)


# The copying animation: a sheet flies in an arc from one folder to the other. The Animate control
# plays frames 0 to 20 over and over, and takes the top left pixel's colour as transparent. The
# frames after the first are RLE8 delta frames: 8.7 KB for the clip instead of 22 KB.
CLIP_SIZE = (272, 60)
CLIP_FRAMES = 21
CLIP_FACE = (240, 240, 240)


def folder(draw, x, y, open_front=False):
    draw.rectangle([x, y + 6, x + 18, y + 12], fill=GOLD[:3], outline=NAVY[:3])
    draw.rectangle([x, y + 10, x + 46, y + 40], fill=GOLD[:3], outline=NAVY[:3])
    if open_front:
        draw.polygon([(x + 4, y + 18), (x + 50, y + 18), (x + 46, y + 40), (x, y + 40)],
                     fill=(245, 200, 80), outline=NAVY[:3])


def sheet(draw, cx, cy):
    draw.rectangle([cx - 9, cy - 12, cx + 9, cy + 12], fill=(255, 255, 255), outline=NAVY[:3])
    for i in range(4):
        y = cy - 7 + i * 5
        draw.line([(cx - 5, y), (cx + 5, y)], fill=GRAY[:3])


def clip_frame(n):
    img = Image.new("RGB", CLIP_SIZE, CLIP_FACE)
    d = ImageDraw.Draw(img)
    left, right = 30, CLIP_SIZE[0] - 30 - 50
    folder(d, left, 12)
    folder(d, right, 12)
    t = n / (CLIP_FRAMES - 1)
    cx = left + 25 + (right - left) * t
    cy = 34 - 26 * math.sin(math.pi * t)
    sheet(d, int(cx), int(cy))
    folder(d, right, 12, open_front=True)
    return img


def rle8_runs(row):
    """A row's pixels as runs of one colour index: a count and the index."""
    out = bytearray()
    x = 0
    while x < len(row):
        run = 1
        while x + run < len(row) and run < 255 and row[x + run] == row[x]:
            run += 1
        out += bytes([run, row[x]])
        x += run
    return out


def rle8(pixels, width, height):
    """A key frame: bottom-up rows as runs, each row closed, then the end of the bitmap."""
    out = bytearray()
    for y in range(height - 1, -1, -1):
        out += rle8_runs(pixels[y * width:(y + 1) * width]) + b"\x00\x00"
    out[-2:] = b"\x00\x01"
    return bytes(out)


def rle8_delta(previous, pixels, width, height):
    """A delta frame: only what changed since the previous frame. The decoder draws into the
    previous frame's pixels, so rows that did not change are skipped with BI_RLE8's delta escape
    (0, 2, right, down), and a changed row is skipped up to its first changed pixel and ends after
    its last."""
    out = bytearray()
    rows_skipped = 0
    for y in range(height - 1, -1, -1):
        row = pixels[y * width:(y + 1) * width]
        before = previous[y * width:(y + 1) * width]
        changed = [x for x in range(width) if row[x] != before[x]]
        if not changed:
            rows_skipped += 1
            continue
        while rows_skipped:
            down = min(rows_skipped, 255)
            out += bytes([0, 2, 0, down])
            rows_skipped -= down
        first, last = changed[0], changed[-1]
        if first:
            out += bytes([0, 2, first, 0])
        out += rle8_runs(row[first:last + 1]) + b"\x00\x00"
    return bytes(out + b"\x00\x01")


def rle8_decode(frame, pixels, width, height):
    """Draws one encoded frame into pixels (bottom-up rows), as the system's decoder does."""
    x, y, i = 0, height - 1, 0
    while True:
        count, value = frame[i], frame[i + 1]
        i += 2
        if count:
            pixels[y * width + x:y * width + x + count] = [value] * count
            x += count
        elif value == 0:
            x, y = 0, y - 1
        elif value == 1:
            return
        elif value == 2:
            x, y = x + frame[i], y - frame[i + 1]
            i += 2
        else:
            raise ValueError("the encoders here write no literal runs")


def chunk(tag, data):
    padded = data + (b"\x00" if len(data) % 2 else b"")
    return tag + struct.pack("<I", len(data)) + padded


def riff_list(kind, tag, body):
    return kind + struct.pack("<I", len(body) + 4) + tag + body


def copy_clip():
    frames = [clip_frame(n) for n in range(CLIP_FRAMES)]
    # One palette for all frames, with the face colour at index 0.
    strip = Image.new("RGB", (CLIP_SIZE[0], CLIP_SIZE[1] * CLIP_FRAMES))
    for n, frame in enumerate(frames):
        strip.paste(frame, (0, n * CLIP_SIZE[1]))
    paletted = strip.quantize(colors=64, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = paletted.getpalette()[:64 * 3]
    width, height = CLIP_SIZE
    data = list(paletted.getdata())
    indexed = [data[n * width * height:(n + 1) * width * height] for n in range(CLIP_FRAMES)]
    # The first frame is whole; the others hold only the sheet's move. The control plays from the
    # first frame on and starts again there, so every frame is drawn over the one before it.
    encoded = [rle8(indexed[0], width, height)]
    encoded += [rle8_delta(indexed[n - 1], indexed[n], width, height)
                for n in range(1, CLIP_FRAMES)]
    shown = [None] * (width * height)
    for frame, expected in zip(encoded, indexed):
        rle8_decode(frame, shown, width, height)
        assert shown == expected, "a frame of the clip does not decode to its drawing"

    rate = 15
    largest = max(len(e) for e in encoded)
    avih = struct.pack("<IIIIIIIIII4I", 1000000 // rate, largest * rate, 0, 0x10, CLIP_FRAMES,
                       0, 1, largest, width, height, 0, 0, 0, 0)
    strh = (b"vids" + b"mrle" + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, rate, 0,
                                            CLIP_FRAMES, largest, 0xFFFFFFFF, 0, 0, 0,
                                            width, height))
    colours = len(palette) // 3
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, largest, 0, 0, colours,
                       colours)
    for i in range(colours):
        r, g, b = palette[i * 3:i * 3 + 3]
        strf += bytes([b, g, r, 0])
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) +
                     riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi_body = b""
    index = b""
    for n, e in enumerate(encoded):
        key_frame = 0x10 if n == 0 else 0  # AVIIF_KEYFRAME
        index += b"00dc" + struct.pack("<III", key_frame, len(movi_body) + 4, len(e))
        movi_body += chunk(b"00dc", e)
    movi = riff_list(b"LIST", b"movi", movi_body)
    avi = riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index))
    (OUT / "Copiando.avi").write_bytes(avi)


# The sizes the program asks an icon for at 96, 144 and 192 dots per inch, each drawn at its size
# so that none is scaled: the glyphs beside captions and on the toolbar at the small icon size,
# the image-only buttons, pictures and dialogs' symbols at the large one.
PEQUENOS = [16, 24, 32]
GRANDES = [32, 48, 64]
TODOS = [16, 24, 32, 48, 64]


def save_icon(name, draw, sizes):
    images = [draw(s) for s in sizes]
    images[-1].save(OUT / name, sizes=[(s, s) for s in sizes], append_images=images[:-1])


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    save_icon("Pontilha.ico", program_icon, TODOS)
    save_icon("CentralSolucoes.ico", framework_icon, GRANDES)
    save_icon("Instalar.ico", install_glyph, TODOS)
    save_icon("Alterar.ico", change_glyph, GRANDES)
    save_icon("Desinstalar.ico", uninstall_glyph, GRANDES)
    save_icon("Prosseguir.ico", lambda s: arrow_glyph(s, True), PEQUENOS)
    save_icon("Voltar.ico", lambda s: arrow_glyph(s, False, NAVY), PEQUENOS)
    save_icon("Cancelar.ico", cancel_glyph, PEQUENOS)
    save_icon("Concluido.ico", check_glyph, TODOS)
    save_icon("Sobre.ico", about_glyph, PEQUENOS)
    save_icon("Pasta.ico", folder_glyph, TODOS)
    save_icon("Sobrescrever.ico", replace_symbol, GRANDES)
    save_icon("Encontrar.ico", find_symbol, GRANDES)
    save_icon("Ignorar.ico", skip_glyph, PEQUENOS)
    save_icon("NovaPasta.ico", new_folder_glyph, PEQUENOS)
    save_icon("ExcluirPasta.ico", delete_folder_glyph, PEQUENOS)
    save_icon("MeusDocumentos.ico", documents_glyph, PEQUENOS)
    # The banner for 96, 144 and 192 dots per inch: the wizard shows the one of its screen's size.
    for name, scale in (("Faixa.bmp", 2), ("Faixa144.bmp", 3), ("Faixa192.bmp", 4)):
        save_bmp_rle4(name, banner(240 * scale, 24 * scale))
    arquivo = Image.new("RGB", (24, 24), (255, 255, 255))
    d = ImageDraw.Draw(arquivo)
    d.rectangle([3, 1, 20, 22], outline=NAVY[:3], fill=(255, 255, 255))
    braille_cell(d, 6, 4, 12, 16, {1, 2, 4, 5}, on=NAVY[:3])
    save_bmp_rle4("ArquivoIAC.bmp", arquivo)
    copy_clip()


if __name__ == "__main__":
    main()
