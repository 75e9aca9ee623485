// The test products: small wizards with a built-in description of their own. What they put in
// their descriptions is here, where the end-to-end tests read it too.
#pragma once

#include <array>
#include <chrono>
#include <string>

namespace produtos {

// File names of the programs under test, in the build's program folder.
inline constexpr const wchar_t* kPontilha = L"Pontilha.exe";
inline constexpr const wchar_t* kProdutoLicenca = L"kt_produto_licenca.exe";
inline constexpr const wchar_t* kProdutoComponentes = L"kt_produto_componentes.exe";
inline constexpr const wchar_t* kProdutoFalha = L"kt_produto_falha.exe";
inline constexpr const wchar_t* kProdutoLento = L"kt_produto_lento.exe";
inline constexpr const wchar_t* kProdutoDiscos = L"kt_produto_discos.exe";
inline constexpr const wchar_t* kProdutoGrande = L"kt_produto_grande.exe";
inline constexpr const wchar_t* kProdutoFim = L"kt_produto_fim.exe";
inline constexpr const wchar_t* kProdutoDesinstalacao = L"kt_produto_desinstalacao.exe";

// The licence product: Pontilha's description with a licence, named without a directory.
inline constexpr const wchar_t* kArquivoDeLicenca = L"Licenca.rtf";
inline constexpr const wchar_t* kArquivoDeLicencaAlternativo = L"Licenca.txt";
inline constexpr const wchar_t* kObservacaoLicenca =
    L"Leia a licença até o fim antes de responder.";

// The components product: two components, compact installation allowed, a third option, a
// caption and instructions of its own. Where its manual lies beside it, it counts as installed,
// with its components as they say, and offers to change them.
inline constexpr const wchar_t* kTituloComponentes = L"Instalação do Produto de Teste";
inline constexpr const wchar_t* kInstrucoesComponentes =
    L"        Um momento: o produto de teste confere o sistema.";
inline constexpr const wchar_t* kLegendaOpcao3 = L"Abrir o manual ao terminar";
inline constexpr const wchar_t* kDiretorioComponentes = L"Produto de Teste";
inline constexpr const wchar_t* kManualComponentes = L"manual.html";
// Its one file, copied from beside the program into the installation directory.
inline constexpr const wchar_t* kArquivoComponentes = L"leiame.txt";

struct TComponente {
    const wchar_t* Nome;
    const wchar_t* Descricao;
    bool Compacta;
    bool Normal;
    bool Instalado;
};
inline constexpr TComponente kComponentes[] = {
    {L"Programa principal", L"Os arquivos sem os quais o programa não funciona", true, true, true},
    {L"Exemplos", L"Documentos de exemplo para praticar", false, true, false},
};

// The uninstall product: no self-removal, a file that uninstall leaves ("não"), and hooks that
// keep a diary and raise on demand. It counts as installed where its manual lies beside it.
struct TArquivoDoProduto {
    const wchar_t* Subdiretorio;
    const wchar_t* Nome;
    bool Fica; // its row's state is "não"
};
inline constexpr TArquivoDoProduto kArquivosDesinstalacao[] = {
    {L"", L"manual.html", false},
    {L"dados", L"exemplo.txt", false},
    {L"dados\\imagens", L"foto.jpg", false},
    {L"", L"leiame.txt", true},
};
// In the order of the rows, the deeper first.
inline constexpr const wchar_t* kDiretoriosDesinstalacao[] = {L"dados\\imagens", L"dados"};
// The hooks append a line to the file that this variable names, "hook|directory|marks", the
// marks being the four steps' check marks as the page shows them then ("1100": the first two).
inline constexpr const wchar_t* kVariavelDiario = L"KT_DIARIO_DOS_GANCHOS";
// The hook that this variable names ("RemoverRegistro") raises, with this message.
inline constexpr const wchar_t* kVariavelGanchoQueFalha = L"KT_GANCHO_QUE_FALHA";
inline constexpr const wchar_t* kFalhaDoGancho = L"O registro do produto de teste está bloqueado.";
// The hook that this variable names never returns, once it has written its line: the uninstall
// hangs there until it is killed.
inline constexpr const wchar_t* kVariavelGanchoQueTrava = L"KT_GANCHO_QUE_TRAVA";

// The disks product: three disks, each identified by its marker beside the program. Its files
// come from the disks as plain copies and ".ZLib" containers; one row removes a file, one is
// never installed, and the sources of two are missing from their disk.
inline constexpr const wchar_t* kTituloDiscos = L"Instalação em Discos";
inline constexpr const wchar_t* kDiretorioDiscos = L"Curso em Discos";
inline constexpr int kDiscos = 3;
inline constexpr const wchar_t* kPastaDosDados = L"dados";
inline constexpr std::array<const wchar_t*, 2> kIdentificacaoDosDiscos = {L"Curso em Discos",
                                                                          L"Quarvel"};

struct TArquivoDeDisco {
    const wchar_t* Origem; // on its disk, beside the program
    const wchar_t* Tipo;   // "zlib", or "não" for a plain copy
    const wchar_t* Pasta;  // under the installation directory, or empty
    const wchar_t* Nome;
    int Disco;
    const wchar_t* Estado; // "sim", "não" or "remover"
};
inline constexpr TArquivoDeDisco kArquivosDosDiscos[] = {
    {L"leiame.txt", L"não", L"", L"leiame.txt", 1, L"sim"},
    {L"capitulo1.ZLib", L"zlib", L"dados", L"capitulo1.txt", 1, L"sim"},
    {L"antigo.txt", L"não", L"dados", L"antigo.txt", 1, L"remover"},
    {L"rascunho.txt", L"não", L"", L"rascunho.txt", 1, L"não"},
    {L"falta.txt", L"não", L"", L"ignorado.txt", 1, L"sim"},
    {L"perdido.txt", L"não", L"", L"achado.txt", 1, L"sim"},
    {L"capitulo2.ZLib", L"zlib", L"dados", L"capitulo2.txt", 2, L"sim"},
    {L"figuras.txt", L"não", L"dados", L"figuras.txt", 2, L"sim"},
    {L"extra.txt", L"não", L"", L"extra.txt", 3, L"sim"},
};

// The large product: many large files, each decompressed from one container beside the program,
// and an Uninstall entry of its own, written by its registry hook; the program installed beside
// them uninstalls them and removes itself.
inline constexpr const wchar_t* kTituloGrande = L"Instalação Grande";
inline constexpr const wchar_t* kDiretorioGrande = L"Produto Grande";
inline constexpr const wchar_t* kConteinerGrande = L"grande.ZLib";
inline constexpr int kArquivosGrandes = 48;
inline constexpr const wchar_t* kNomeGrande = L"Produto Grande de Teste";
inline constexpr const wchar_t* kChaveGrande =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Produto Grande de Teste";

// The target of the large product's file i (0 on), under the installation directory.
inline std::wstring ArquivoGrande(int i) {
    return std::wstring(kPastaDosDados) + L"\\parte" + std::to_wstring(100 + i).substr(1) + L".bin";
}

// The end product: what follows the copy. Its first shortcut option's hook fails as an invalid
// object, so that the second's is never called; when the copy ends, it keeps its description,
// starts a program beside it and waits for it, and asks to restart the computer.
inline constexpr const wchar_t* kTituloFim = L"Instalação com Programa ao Terminar";
inline constexpr const wchar_t* kArquivoFim = L"leiame.txt";
inline constexpr const wchar_t* kProgramaAoTerminar = L"marcador.exe";
// What the program leaves beside itself once it has run to its end (tests/win/programas).
inline constexpr const wchar_t* kMarcaDoPrograma = L"marcador.exe.marca";
// What the second option's hook would leave in the installation directory.
inline constexpr const wchar_t* kMarcaDaOpcao2 = L"opcao2.marca";

// The slow product waits this long while it fills its description.
inline constexpr std::chrono::milliseconds kEsperaDoProdutoLento{2000};

} // namespace produtos
