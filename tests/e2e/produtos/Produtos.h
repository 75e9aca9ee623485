// The test products: small wizards with a built-in description of their own. What they put in
// their descriptions is here, where the end-to-end tests read it too.
#pragma once

#include <chrono>

namespace produtos {

// File names of the programs under test, in the build's program folder.
inline constexpr const wchar_t* kPontilha = L"Pontilha.exe";
inline constexpr const wchar_t* kProdutoLicenca = L"kt_produto_licenca.exe";
inline constexpr const wchar_t* kProdutoComponentes = L"kt_produto_componentes.exe";
inline constexpr const wchar_t* kProdutoFalha = L"kt_produto_falha.exe";
inline constexpr const wchar_t* kProdutoLento = L"kt_produto_lento.exe";
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

// The slow product waits this long while it fills its description.
inline constexpr std::chrono::milliseconds kEsperaDoProdutoLento{2000};

} // namespace produtos
