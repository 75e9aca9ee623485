#!/usr/bin/python3
"""Makes Portugues/som1.mp3, the welcome message that the start page plays.

Speech from eSpeak NG's Brazilian Portuguese voice, encoded by LAME as a small mono MP3. Both
are Debian packages needed only to remake the sound (apt-get install espeak-ng lame), not to
build or test the program; the MP3 is committed. Both tools give the same bytes for the same
text, so running this again without changes rewrites the same file.
"""
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from curso import MAIOR_ARQUIVO, MENOR_ARQUIVO, PAYLOAD

DESTINO = PAYLOAD / "Portugues" / "som1.mp3"
MENSAGEM = "Bem-vindo ao Pontilha, o seu curso de Braille. Siga as lições na ordem, pratique com os jogos, e bons estudos!"
VOZ = "pt-br"
PALAVRAS_POR_MINUTO = "150"


def main():
    for programa in ("espeak-ng", "lame"):
        if shutil.which(programa) is None:
            raise SystemExit(f"{programa} is missing: apt-get install espeak-ng lame")
    with tempfile.TemporaryDirectory() as pasta:
        wav = Path(pasta) / "som1.wav"
        subprocess.run(["espeak-ng", "-v", VOZ, "-s", PALAVRAS_POR_MINUTO, "-w", str(wav), MENSAGEM], check=True)
        mp3 = Path(pasta) / "som1.mp3"
        subprocess.run(
            ["lame", "--quiet", "-m", "m", "-b", "32", "--resample", "22.05", "--noreplaygain",
             "--id3v2-only", "--tt", "Bem-vindo ao Pontilha", "--ta", "Pontilha", str(wav), str(mp3)],
            check=True,
        )
        dados = mp3.read_bytes()
    if not MENOR_ARQUIVO <= len(dados) <= MAIOR_ARQUIVO:
        raise SystemExit(f"som1.mp3: {len(dados)} bytes, outside {MENOR_ARQUIVO}..{MAIOR_ARQUIVO}")
    DESTINO.write_bytes(dados)
    print(f"{DESTINO.relative_to(PAYLOAD)}: {len(dados)} bytes")


if __name__ == "__main__":
    sys.exit(main())
