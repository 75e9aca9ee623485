#include "core/produto/ConteudoPontilha.h"

#include "base/Concat.h"
#include "core/produto/Produto.h"
#include "fileops/Arquivos.h"

namespace kt {

// In the order in which they install, after the program itself.
const std::array<TArquivoDoSite, kArquivosNoSite> kArquivosDoSite = {{
    {L"PONTILHA_HTML", L"", L"Pontilha.pt.html"},
    {L"BARCOLORDOWN", L"Portugues", L"barcolordown.jpg"},
    {L"BARCOLORUP", L"Portugues", L"barcolorup.jpg"},
    {L"BARRADOLOGO", L"Portugues", L"barradologo.jpg"},
    {L"BARRAP", L"Portugues", L"barrap.jpg"},
    {L"BORDA2", L"Portugues", L"borda2.jpg"},
    {L"BORDA", L"Portugues", L"borda.jpg"},
    {L"BRAILLE", L"Portugues", L"braille.html"},
    {L"BRAILLE1", L"Portugues", L"braille1.html"},
    {L"BRAILLE2", L"Portugues", L"braille2.html"},
    {L"BRAILLE3", L"Portugues", L"braille3.html"},
    {L"BRAILLE4", L"Portugues", L"braille4.html"},
    {L"BRAILLE5", L"Portugues", L"braille5.html"},
    {L"BRAILLE6", L"Portugues", L"braille6.html"},
    {L"BRAILLE7", L"Portugues", L"braille7.html"},
    {L"BRAILLE8", L"Portugues", L"braille8.html"},
    {L"BRAILLEMAOS", L"Portugues", L"braillemaos.jpg"},
    {L"BRAILLESOFT1", L"Portugues", L"braillesoft1.swf"},
    {L"BRAILLESOFT2", L"Portugues", L"braillesoft2.swf"},
    {L"BRAILLESOFT3", L"Portugues", L"braillesoft3.swf"},
    {L"BRAILLESOFT4", L"Portugues", L"braillesoft4.swf"},
    {L"BRAILLESOFT5", L"Portugues", L"braillesoft5.swf"},
    {L"BRAILLESOFT6", L"Portugues", L"braillesoft6.swf"},
    {L"BRAILLESOFT7", L"Portugues", L"braillesoft7.swf"},
    {L"BRAILLESOFT8", L"Portugues", L"braillesoft8.swf"},
    {L"BRAILLESOFTT", L"Portugues", L"braillesoftt.swf"},
    {L"CELABRAILLE", L"Portugues", L"celabraille.jpg"},
    {L"CREDITOS", L"Portugues", L"creditos.html"},
    {L"DICAS", L"Portugues", L"dicas.txt"},
    {L"EXERCICIOS", L"Portugues", L"exercicios.html"},
    {L"EXERCICIOSSOFT", L"Portugues", L"exercicios.swf"},
    {L"SOM1", L"Portugues", L"som1.mp3"},
    {L"EXAME", L"Portugues", L"exame.html"},
    {L"EXAMESOFT", L"Portugues", L"exame.swf"},
    {L"FRASEAMOSTRA", L"Portugues\\frases", L"amostra.jpg"},
    {L"FRASEATIREI", L"Portugues\\frases", L"atireiopaunogato.jpg"},
    {L"FRASEVIDA", L"Portugues\\frases", L"avidaebela.jpg"},
    {L"FRASEBEBE", L"Portugues\\frases", L"bebe.jpg"},
    {L"FRASECHOCOLATE", L"Portugues\\frases", L"chocolateaoleite.jpg"},
    {L"FRASEDESGRACA", L"Portugues\\frases", L"desgraca.jpg"},
    {L"FRASEEDUCACAO", L"Portugues\\frases", L"educacao.jpg"},
    {L"FRASEINUTIL", L"Portugues\\frases", L"inutil.jpg"},
    {L"FRASELOCOMOVER", L"Portugues\\frases", L"locomover.jpg"},
    {L"FRASERECONHECER", L"Portugues\\frases", L"reconhecer.jpg"},
    {L"FRASESOFTWARE", L"Portugues\\frases", L"software.jpg"},
    {L"FORCA", L"Portugues", L"forca.html"},
    {L"MEMORIA", L"Portugues", L"memoria.html"},
    {L"FORCASOFT", L"Portugues", L"forca.swf"},
    {L"MEMORIASOFT", L"Portugues", L"jogo da memória.swf"},
    {L"FRASEGRATIS", L"Portugues", L"frasegratis.jpg"},
    {L"INDEXSUB", L"Portugues", L"indexsub_offline.html"},
    {L"JSCRIPT", L"Portugues\\scripts", L"jscript.js"},
    {L"LOUISBRAILLE", L"Portugues", L"louisbraille.jpg"},
    {L"ALFABETO", L"Portugues", L"alfabeto.jpg"},
    {L"METODOLOGIA", L"Portugues", L"metodologia.html"},
    {L"REGLETE", L"Portugues", L"reglete.jpg"},
    {L"SOBREOSISTEMA", L"Portugues", L"sobreosistema.html"},
    {L"SOFTWAREGRATIS", L"Portugues", L"softwaregratis.jpg"},
    {L"STYLE1", L"Portugues\\scripts", L"style1.css"},
    {L"NUMEROS", L"Portugues", L"numeros.jpg"},
    {L"PONTUACAO", L"Portugues", L"pontuacao.jpg"},
    {L"WORDS", L"Portugues", L"words.txt"},
}};

std::wstring LinhaDoArquivoDoSite(const TArquivoDoSite& arquivo) {
    return base::Concat({arquivo.Recurso, L", 0, rcdata, Base, ", arquivo.Subdiretorio, L", ",
                         arquivo.Nome, L", 1, 1, sim"});
}

namespace {

// The start page as a file of its own: a directory of that name is no installation, and a
// directory that cannot be examined counts as not installed instead of failing the start-up.
bool PaginaInicialPresente(const std::wstring& diretorioPrograma) {
    return EhArquivo(diretorioPrograma + produto::kPaginaInicial);
}

} // namespace

void PreencherConteudoPontilha(TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    TConfiguracaoInstalacao& c = descricao.Configuracao;
    c.NumeroDeDiscos = 1;
    c.ReiniciarAoTerminar = false;
    c.Opcoes[0] = {true, true, L"Criar atalho no menu iniciar"};
    c.Opcoes[1] = {true, true, L"Criar atalho na área de trabalho"};
    c.ModoAutoRemocao = 2;

    c.DiretorioDeInstalacao = diretorioPrograma;
    c.Instalado = PaginaInicialPresente(diretorioPrograma);
    c.PermiteAlterar = false;
    c.PermiteReinstalar = true;
    c.PermiteCompacta = false;
    c.ObservacaoLicenca.clear();
    c.NomeDoDiretorioPadrao = produto::kDiretorioPadrao;
    c.GuardarDescricao = false;

    descricao.Componentes.Adicionar(
        L"Arquivos do Programa, Todos arquivos são necessários, sim, sim, sim, sim");

    descricao.Diretorios.Adicionar(L"Portugues\\scripts, 0, 0, sim");
    descricao.Diretorios.Adicionar(L"Portugues\\frases, 0, 0, sim");
    descricao.Diretorios.Adicionar(L"Portugues, 0, 0, sim");

    descricao.Arquivos.Adicionar(L"Pontilha.exe, 0, não, Base, , Pontilha.exe, 1, 1, sim");
    for (const TArquivoDoSite& arquivo : kArquivosDoSite)
        descricao.Arquivos.Adicionar(LinhaDoArquivoDoSite(arquivo));
}

} // namespace kt
