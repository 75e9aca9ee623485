#!/usr/bin/python3
"""The course's binary files: the SWF movies are valid and show what their pages animate, the
SWF generator is deterministic and its output committed, the MP3 is whole frames of audio and
every JPEG is a complete image. The checkers themselves are shown to reject broken files."""
import struct
import sys
import unittest
from unittest import mock
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "curso"))

import braille  # noqa: E402
import fazer_swf  # noqa: E402
import formatos  # noqa: E402
import ler_swf  # noqa: E402
from curso import PAYLOAD, arquivos_do_site  # noqa: E402


def swfs_do_site():
    return sorted(caminho for _, caminho in arquivos_do_site() if caminho.endswith(".swf"))


class FilmesDoSite(unittest.TestCase):
    def test_every_swf_of_the_site_is_the_animation_of_a_page(self):
        animados = sorted(
            str((pagina.parent / swf).relative_to(PAYLOAD)) for pagina, _, swf in fazer_swf.animacoes_das_paginas()
        )
        self.assertEqual(animados, swfs_do_site())

    def test_each_movie_is_valid_and_raises_the_cells_of_its_text_in_order(self):
        for pagina, texto, swf in fazer_swf.animacoes_das_paginas():
            with self.subTest(swf=swf):
                filme = ler_swf.ler((pagina.parent / swf).read_bytes(), swf)
                self.assertGreaterEqual(filme.versao, 8)
                self.assertEqual(filme.quadros_por_segundo, fazer_swf.QUADROS_POR_SEGUNDO)
                reveladas = ler_swf.celas_reveladas(filme, fazer_swf.POSICAO, fazer_swf.PONTO)
                self.assertEqual(reveladas, braille.transcrever(texto) + [""] * fazer_swf.PAUSA_FINAL)

    def test_every_dot_lies_on_the_stage(self):
        for pagina, _, swf in fazer_swf.animacoes_das_paginas():
            filme = ler_swf.ler((pagina.parent / swf).read_bytes(), swf)
            xmin, xmax, ymin, ymax = filme.palco
            for quadro in filme.quadros:
                for _, ident, x, y in quadro:
                    fxmin, fxmax, fymin, fymax = filme.formas[ident].limites
                    with self.subTest(swf=swf, x=x, y=y):
                        self.assertTrue(xmin <= x + fxmin and x + fxmax <= xmax and ymin <= y + fymin and y + fymax <= ymax)

    def test_the_committed_movies_are_what_the_generator_makes(self):
        for pagina, texto, swf in fazer_swf.animacoes_das_paginas():
            with self.subTest(swf=swf):
                self.assertEqual((pagina.parent / swf).read_bytes(), fazer_swf.filme(texto))

    def test_a_movie_wraps_long_texts_onto_more_lines(self):
        texto = "abcdefghij" * 3
        filme = ler_swf.ler(fazer_swf.filme(texto))
        self.assertEqual(ler_swf.celas_reveladas(filme, fazer_swf.POSICAO, fazer_swf.PONTO)[:30], braille.transcrever(texto))
        self.assertEqual(len({y for _, _, _, y in filme.quadros[0]}), 3 * 3)


class LeitorDeSwfRecusa(unittest.TestCase):
    """Broken variants of a good movie, each one rule of the format broken."""

    bom = fazer_swf.filme("ab")

    def recusa(self, dados, trecho):
        with self.assertRaises(ler_swf.SwfInvalido) as erro:
            ler_swf.ler(dados)
        self.assertIn(trecho, str(erro.exception))

    def com_tamanho_corrigido(self, dados):
        return dados[:4] + struct.pack("<I", len(dados)) + dados[8:]

    def test_a_wrong_signature(self):
        self.recusa(b"XWS" + self.bom[3:], "signature")

    def test_a_length_field_that_differs_from_the_file(self):
        self.recusa(self.bom + b"\0", "header says")

    def test_a_truncated_movie(self):
        self.recusa(self.com_tamanho_corrigido(self.bom[:-3]), "too soon")

    def test_a_frame_count_that_differs_from_the_frames(self):
        dados = bytearray(self.bom)
        posicao_da_contagem = 8 + len(fazer_swf.rect(*self.palco())) + 2
        dados[posicao_da_contagem] += 1
        self.recusa(bytes(dados), "frames")

    def test_bytes_after_the_end_tag(self):
        self.recusa(self.com_tamanho_corrigido(self.bom + b"\0\0"), "not the last")

    def test_a_missing_end_tag(self):
        self.recusa(self.com_tamanho_corrigido(self.bom[:-2]), "too soon")

    def test_a_movie_without_file_attributes_first(self):
        inicio = 8 + len(fazer_swf.rect(*self.palco())) + 4
        sem_atributos = self.bom[:inicio] + self.bom[inicio + 6 :]
        self.recusa(self.com_tamanho_corrigido(sem_atributos), "FileAttributes")

    def test_an_open_shape(self):
        circulo = fazer_swf.circulo

        def sem_a_ultima_curva(raio):
            inicio, curvas = circulo(raio)
            return inicio, curvas[:-1]

        with mock.patch.object(fazer_swf, "circulo", sem_a_ultima_curva):
            aberto = fazer_swf.filme("ab")
        self.recusa(aberto, "ends open")

    def test_a_placement_on_a_used_depth(self):
        colocacao = fazer_swf.place_object2(1, fazer_swf.POSICAO, 0, 0)
        self.recusa(self.inserir_antes_do_primeiro_quadro(colocacao), "already in use")

    def test_a_placement_of_an_undefined_character(self):
        colocacao = fazer_swf.place_object2(999, 42, 0, 0)
        self.recusa(self.inserir_antes_do_primeiro_quadro(colocacao), "before it is defined")

    def test_a_dot_placed_off_its_cell(self):
        filme = ler_swf.ler(fazer_swf.filme("a"))
        depth, ident, x, y = filme.quadros[1][0]
        filme.quadros[1][0] = (depth, ident, x + 1, y)
        with self.assertRaises(ler_swf.SwfInvalido):
            ler_swf.celas_reveladas(filme, fazer_swf.POSICAO, fazer_swf.PONTO)

    def palco(self):
        return ler_swf.ler(self.bom).palco

    def inserir_antes_do_primeiro_quadro(self, tag):
        quadro = fazer_swf.tag(fazer_swf.SHOW_FRAME)
        i = self.bom.index(quadro)
        return self.com_tamanho_corrigido(self.bom[:i] + tag + self.bom[i:])


class Som(unittest.TestCase):
    som = PAYLOAD / "Portugues" / "som1.mp3"

    def test_the_welcome_message_is_whole_mp3_frames_of_a_few_seconds(self):
        segundos = formatos.duracao_do_mp3(self.som.read_bytes())
        self.assertTrue(2 < segundos < 30, f"{segundos:.1f} s")

    def test_a_truncated_or_damaged_mp3_is_refused(self):
        dados = self.som.read_bytes()
        with self.assertRaises(formatos.FormatoInvalido):
            formatos.duracao_do_mp3(dados[:-100])
        primeiro = formatos.tamanho_id3v2(dados)
        segundo = primeiro + formatos.quadro_mp3(dados, primeiro)[0]
        danificado = bytearray(dados)
        danificado[segundo : segundo + 2] = b"\0\0"
        with self.assertRaises(formatos.FormatoInvalido):
            formatos.duracao_do_mp3(bytes(danificado))


class Imagens(unittest.TestCase):
    def test_every_jpeg_is_a_complete_image(self):
        for _, caminho in arquivos_do_site():
            if caminho.endswith(".jpg"):
                with self.subTest(caminho=caminho):
                    largura, altura = formatos.tamanho_do_jpeg((PAYLOAD / caminho).read_bytes())
                    self.assertGreater(largura * altura, 0)

    def test_a_truncated_jpeg_is_refused(self):
        dados = (PAYLOAD / "Portugues" / "celabraille.jpg").read_bytes()
        for quebrado in (dados[:-2], dados[:200], b"\0" + dados):
            with self.assertRaises(formatos.FormatoInvalido):
                formatos.tamanho_do_jpeg(quebrado)


if __name__ == "__main__":
    unittest.main()
