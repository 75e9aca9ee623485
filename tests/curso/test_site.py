#!/usr/bin/python3
"""The course as it installs: exactly the site's files, within their sizes, every link and
image resolving inside the installed tree, every page well formed for the course's needs, and
every Braille sign shown on a page written as the course's table says."""
import html
import re
import sys
import unittest
from html.parser import HTMLParser
from pathlib import Path, PurePosixPath
from urllib.parse import unquote, urlsplit

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "curso"))

import braille  # noqa: E402
import formatos  # noqa: E402
from curso import (  # noqa: E402
    MAIOR_ARQUIVO,
    MENOR_ARQUIVO,
    PAGINA_INICIAL,
    PAYLOAD,
    TAMANHO_DA_PAGINA_INICIAL,
    arquivos_do_site,
)

ESTILO = "Portugues/scripts/style1.css"
SCRIPT = "Portugues/scripts/jscript.js"
VAZIOS = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}
ATRIBUTOS_DE_ENDERECO = {"href", "src", "data", "poster", "action"}


class Pagina(HTMLParser):
    """What the checks need from a page: its addresses, ids, images and Braille elements."""

    def __init__(self, caminho):
        super().__init__(convert_charrefs=True)
        self.caminho = caminho
        self.enderecos = []
        self.ids = set()
        self.imagens = []
        self.folhas = []
        self.scripts = []
        self.marcados = []  # (class, data-tinta or None, text)
        self.swf_fora_de_animacao = []
        self.animacoes = []
        self.meta_charset = None
        self.lang = None
        self.titulo = ""
        self._abertos = []  # [tag, depth at which it opened, class, data-tinta, text]
        self._pilha = []
        self._em_animacao = 0
        self._no_titulo = False
        self.feed(caminho.read_text(encoding="utf-8"))
        self.close()

    def handle_starttag(self, tag, atributos):
        a = dict(atributos)
        classes = (a.get("class") or "").split()
        for nome, valor in atributos:
            if nome in ATRIBUTOS_DE_ENDERECO and valor is not None:
                self.enderecos.append(valor)
            if nome == "style" and valor:
                self.enderecos += urls_de_css(valor)
        if "id" in a:
            self.ids.add(a["id"])
        if tag == "html":
            self.lang = a.get("lang")
        if tag == "meta" and "charset" in a:
            self.meta_charset = a["charset"].lower()
        if tag == "title":
            self._no_titulo = True
        if tag == "img":
            self.imagens.append(a)
        if tag == "link" and a.get("rel") == "stylesheet":
            self.folhas.append(a.get("href"))
        if tag == "script" and "src" in a:
            self.scripts.append(a["src"])
        if tag == "figure" and "animacao" in classes:
            self.animacoes.append(a.get("data-texto"))
            self._em_animacao = len(self._pilha) + 1
        if tag == "a" and (a.get("href") or "").endswith(".swf") and not self._em_animacao:
            self.swf_fora_de_animacao.append(a["href"])
        if tag in VAZIOS:
            return
        self._pilha.append(tag)
        for classe in ("braille", "pontos"):
            if classe in classes:
                self._abertos.append([len(self._pilha), classe, a.get("data-tinta"), ""])

    def handle_endtag(self, tag):
        if tag in VAZIOS:
            return
        if not self._pilha or self._pilha[-1] != tag:
            raise AssertionError(f"{self.caminho.name}: </{tag}> closes <{self._pilha[-1] if self._pilha else None}>")
        profundidade = len(self._pilha)
        self._pilha.pop()
        while self._abertos and self._abertos[-1][0] == profundidade:
            _, classe, tinta, texto = self._abertos.pop()
            self.marcados.append((classe, tinta, texto))
        if self._em_animacao == profundidade:
            self._em_animacao = 0
        if tag == "title":
            self._no_titulo = False

    def handle_data(self, dados):
        for aberto in self._abertos:
            aberto[3] += dados
        if self._no_titulo:
            self.titulo += dados


def urls_de_css(texto):
    return [html.unescape(u) for u in re.findall(r"""url\(\s*["']?([^"')]+)["']?\s*\)""", texto)]


def arquivos_no_payload():
    return sorted(str(p.relative_to(PAYLOAD).as_posix()) for p in PAYLOAD.rglob("*") if p.is_file())


def paginas():
    return sorted(p for p in PAYLOAD.rglob("*.html"))


def relativo(caminho):
    return caminho.relative_to(PAYLOAD).as_posix()


def resolver(base, endereco):
    """The payload path an address of the file at base points to, or the reason it cannot."""
    partes = urlsplit(endereco)
    if partes.scheme or partes.netloc:
        return None, f"leaves the installed course: {endereco}"
    if partes.path.startswith("/") or "\\" in partes.path:
        return None, f"is not a relative address: {endereco}"
    if not partes.path:
        return relativo(base), None
    alvo = PurePosixPath(relativo(base)).parent
    for parte in unquote(partes.path).split("/"):
        if parte == "..":
            if alvo == PurePosixPath("."):
                return None, f"climbs out of the installation directory: {endereco}"
            alvo = alvo.parent
        elif parte not in ("", "."):
            alvo = alvo / parte
    return str(alvo), None


class ArquivosDoSite(unittest.TestCase):
    def test_the_payload_holds_exactly_the_files_of_the_site(self):
        esperados = [caminho for _, caminho in arquivos_do_site()]
        self.assertEqual(len(esperados), len(set(esperados)), "a file is listed twice")
        self.assertEqual(arquivos_no_payload(), sorted(esperados))

    def test_every_file_is_within_the_size_limits(self):
        for caminho in arquivos_no_payload():
            with self.subTest(caminho=caminho):
                tamanho = (PAYLOAD / caminho).stat().st_size
                self.assertTrue(MENOR_ARQUIVO <= tamanho <= MAIOR_ARQUIVO, f"{tamanho} bytes")

    def test_the_start_page_has_its_fixed_size(self):
        self.assertEqual((PAYLOAD / PAGINA_INICIAL).stat().st_size, TAMANHO_DA_PAGINA_INICIAL)

    def test_the_resolver_refuses_what_leaves_the_course(self):
        base = PAYLOAD / "Portugues" / "braille.html"
        for endereco in ("http://example.com/", "file:///C:/x.html", "/Portugues/x.html", "../../x", "..\\x", "//host/x"):
            with self.subTest(endereco=endereco):
                self.assertIsNone(resolver(base, endereco)[0])
        self.assertEqual(resolver(base, "jogo%20da%20mem%C3%B3ria.swf")[0], "Portugues/jogo da memória.swf")
        self.assertEqual(resolver(base, "../Pontilha.pt.html#x")[0], "Pontilha.pt.html")


class Enderecos(unittest.TestCase):
    def setUp(self):
        self.existentes = set(arquivos_no_payload())

    def conferir(self, base, endereco, ids_da_base=None):
        alvo, motivo = resolver(base, endereco)
        self.assertIsNone(motivo)
        self.assertIn(alvo, self.existentes, f"{endereco} points to a missing file")
        fragmento = urlsplit(endereco).fragment
        if fragmento:
            ids = ids_da_base if alvo == relativo(base) else Pagina(PAYLOAD / alvo).ids
            self.assertIn(fragmento, ids, f"{endereco}: no element with that id")

    def test_every_href_and_src_of_every_page_resolves_inside_the_course(self):
        for pagina in paginas():
            lida = Pagina(pagina)
            for endereco in lida.enderecos:
                with self.subTest(pagina=relativo(pagina), endereco=endereco):
                    self.conferir(pagina, endereco, lida.ids)

    def test_every_url_of_the_style_sheet_resolves_inside_the_course(self):
        folha = PAYLOAD / ESTILO
        enderecos = urls_de_css(folha.read_text(encoding="utf-8"))
        self.assertTrue(enderecos)
        for endereco in enderecos:
            with self.subTest(endereco=endereco):
                self.conferir(folha, endereco)

    def test_every_page_uses_the_style_sheet_and_the_script(self):
        for pagina in paginas():
            lida = Pagina(pagina)
            with self.subTest(pagina=relativo(pagina)):
                self.assertEqual([resolver(pagina, f)[0] for f in lida.folhas], [ESTILO])
                self.assertEqual([resolver(pagina, s)[0] for s in lida.scripts], [SCRIPT])

    def test_every_file_of_the_site_is_used_from_the_start_page_on(self):
        usados = {PAGINA_INICIAL}
        fila = [PAGINA_INICIAL]
        while fila:
            atual = PAYLOAD / fila.pop()
            if atual.suffix == ".html":
                enderecos = Pagina(atual).enderecos
            elif atual.suffix == ".css":
                enderecos = urls_de_css(atual.read_text(encoding="utf-8"))
            else:
                continue
            for endereco in enderecos:
                alvo = resolver(atual, endereco)[0]
                if alvo not in usados:
                    usados.add(alvo)
                    fila.append(alvo)
        self.assertEqual(self.existentes - usados, set())


class Paginas(unittest.TestCase):
    def test_every_page_is_utf8_portuguese_with_a_title(self):
        for pagina in paginas():
            lida = Pagina(pagina)
            with self.subTest(pagina=relativo(pagina)):
                self.assertTrue(pagina.read_text(encoding="utf-8").startswith("<!DOCTYPE html>"))
                self.assertEqual(lida.meta_charset, "utf-8")
                self.assertEqual(lida.lang, "pt-BR")
                self.assertIn("Pontilha", lida.titulo)

    def test_every_image_says_what_it_shows_and_has_its_real_size(self):
        for pagina in paginas():
            for imagem in Pagina(pagina).imagens:
                with self.subTest(pagina=relativo(pagina), imagem=imagem.get("src")):
                    self.assertGreater(len((imagem.get("alt") or "").strip()), 10)
                    real = formatos.tamanho_do_jpeg((PAYLOAD / resolver(pagina, imagem["src"])[0]).read_bytes())
                    self.assertEqual((int(imagem["width"]), int(imagem["height"])), real)

    def test_every_link_to_an_animation_comes_with_the_animation_on_the_page(self):
        for pagina in paginas():
            lida = Pagina(pagina)
            with self.subTest(pagina=relativo(pagina)):
                self.assertEqual(lida.swf_fora_de_animacao, [])
                for texto in lida.animacoes:
                    self.assertTrue(texto)
                    braille.transcrever(texto)

    def test_the_start_page_plays_the_welcome_message(self):
        inicial = (PAYLOAD / PAGINA_INICIAL).read_text(encoding="utf-8")
        self.assertRegex(inicial, r'<audio controls preload="metadata" src="Portugues/som1\.mp3">')


class BrailleNasPaginas(unittest.TestCase):
    def test_every_braille_text_is_its_print_text_transcribed(self):
        for pagina in paginas():
            for classe, tinta, texto in Pagina(pagina).marcados:
                with self.subTest(pagina=relativo(pagina), tinta=tinta, texto=texto):
                    if classe == "pontos":
                        self.assertEqual(texto, braille.descrever_pontos(tinta))
                    elif tinta is not None:
                        self.assertEqual(texto, braille.em_unicode(tinta))
                    else:
                        self.assertRegex(texto, "^[\u2800-\u28ff]*$")

    def test_the_table_builds_the_series_as_braille_built_them(self):
        g = braille.GRAFIA
        primeira, segunda = "abcdefghij", "klmnopqrst"
        self.assertEqual([g[c] for c in primeira], ["1", "12", "14", "145", "15", "124", "1245", "125", "24", "245"])
        for a, k in zip(primeira, segunda):
            self.assertEqual(g[k], "".join(sorted(g[a] + "3")), k)
        for a, u in zip("abcdef", "uvxyzç"):
            self.assertEqual(g[u], "".join(sorted(g[a] + "36")), u)
        for a, u in zip("ghj", "éáú"):
            self.assertEqual(g[u], "".join(sorted(g[a] + "36")), u)
        self.assertEqual(g["w"], "2456")
        for sinal, pontos in g.items():
            self.assertRegex(pontos, "^1?2?3?4?5?6?$", sinal)
            self.assertTrue(pontos, sinal)

    def test_no_two_letters_share_a_cell(self):
        letras = [c for c in braille.GRAFIA if len(c) == 1 and c.isalpha()]
        celas = [braille.GRAFIA[c] for c in letras]
        self.assertEqual(len(celas), len(set(celas)))

    def test_transcription_rules(self):
        casos = {
            "Brasil": "⠨⠃⠗⠁⠎⠊⠇",
            "ONU": "⠨⠨⠕⠝⠥",
            "1809": "⠼⠁⠓⠚⠊",
            "2,5": "⠼⠃⠂⠑",
            "1.000": "⠼⠁⠄⠚⠚⠚",
            "3 gatos.": "⠼⠉⠀⠛⠁⠞⠕⠎⠄",
            "(ê)": "⠣⠣⠜",
            "pão": "⠏⠜⠕",
        }
        for texto, esperado in casos.items():
            with self.subTest(texto=texto):
                self.assertEqual(braille.em_unicode(texto), esperado)
        with self.assertRaises(ValueError):
            braille.transcrever("€")


class ArquivosDeTexto(unittest.TestCase):
    def ler(self, nome):
        dados = (PAYLOAD / "Portugues" / nome).read_bytes()
        self.assertTrue(dados.startswith(b"\xef\xbb\xbf"), f"{nome}: UTF-8 files start with a byte order mark")
        texto = dados[3:].decode("utf-8")
        self.assertNotRegex(texto, r"(?<!\r)\n", f"{nome}: lines end with CR LF")
        return texto

    def test_the_study_tips_are_utf8_text(self):
        self.assertIn("Não pule lições.", self.ler("dicas.txt"))

    def test_the_hangman_words_match_the_script_copy_and_the_keyboard(self):
        palavras = self.ler("words.txt").split("\r\n")
        self.assertEqual(palavras[-1], "")
        palavras = palavras[:-1]
        script = (PAYLOAD / SCRIPT).read_text(encoding="utf-8")
        copia = re.search(r"const PALAVRAS_DA_FORCA = \[(.*?)\];", script, re.S).group(1)
        self.assertEqual(palavras, re.findall(r'"([^"]+)"', copia))
        teclado = re.search(r'const LETRAS_DO_TECLADO = "([^"]+)";', script).group(1)
        for palavra in palavras:
            self.assertTrue(len(palavra) > 1 and set(palavra) <= set(teclado), palavra)


if __name__ == "__main__":
    unittest.main()
