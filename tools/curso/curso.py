"""What the course's tools and tests share: where the site lives, its files and its size rules."""
import re
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent.parent
PAYLOAD = RAIZ / "resources" / "payload"
LISTA_DO_SITE = RAIZ / "core" / "produto" / "ConteudoPontilha.cpp"

PAGINA_INICIAL = "Pontilha.pt.html"
TAMANHO_DA_PAGINA_INICIAL = 8929
MENOR_ARQUIVO = 343
MAIOR_ARQUIVO = 61565

_LINHA = re.compile(r'\{L"([A-Z0-9_]+)", L"([^"]*)", L"([^"]+)"\}')


def arquivos_do_site(lista=LISTA_DO_SITE):
    """The site's files as the installer knows them: (resource, path relative to the payload)."""
    texto = Path(lista).read_text(encoding="utf-8")
    corpo = texto[texto.index("kArquivosDoSite") :]
    corpo = corpo[: corpo.index("}};")]
    arquivos = []
    for recurso, subdiretorio, nome in _LINHA.findall(corpo):
        partes = [p for p in subdiretorio.split("\\\\") if p] + [nome]
        arquivos.append((recurso, "/".join(partes)))
    return arquivos
