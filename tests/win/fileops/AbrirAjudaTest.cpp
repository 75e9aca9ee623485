// Help launches for real: a program with its parameters, a document opened by the shell in its
// own directory, and kinds that launch nothing.
#include "fileops/AbrirAjuda.h"
#include "fileops/Ansi.h"
#include "fileops/Texto.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using namespace kt;

TRegistroAjuda Registro(std::int32_t tipo, const std::wstring& arquivo,
                        const std::wstring& parametros) {
    TRegistroAjuda ajuda{};
    ajuda.Tamanho = kTamanhoRegistroAjuda;
    ajuda.Tipo = tipo;
    CopiarAnsi(arquivo, ajuda.ArquivoAjuda, kTamanhoNomeAjuda);
    CopiarAnsi(parametros, ajuda.Parametros, kTamanhoNomeAjuda);
    return ajuda;
}

// The launched program may write its marker in more than one piece: wait for the whole of it, and
// answer what is there at the end.
std::string EsperarConteudo(const std::wstring& caminho, const std::string& esperado) {
    teste::EsperarAte([&] { return teste::LerArquivo(caminho) == esperado; });
    return teste::LerArquivo(caminho);
}

TEST(AbrirAjuda, AProgramStartsWithItsParametersAndOtherKindsLaunchNothing) {
    teste::PastaTemporaria pasta(L"kt ajuda");
    const std::wstring marcador = teste::ProgramaDeTeste(L"kt_prog_marcador.exe");
    const std::wstring nenhuma = pasta / L"nenhuma.txt";
    const std::wstring programa = pasta / L"programa.txt";
    for (std::int32_t tipo : {0, 4, -1}) {
        const TRegistroAjuda nada = Registro(tipo, marcador, L" \"" + nenhuma + L"\"");
        AbrirAjuda(&nada);
    }
    AbrirAjuda(nullptr);
    const TRegistroAjuda ajuda =
        Registro(kAjudaPrograma, marcador, L" \"" + programa + L"\" contexto");
    AbrirAjuda(&ajuda);
    // Launched after the others: once its marker is there, theirs would be too.
    const std::wstring esperado = programa + L"\ncontexto\n";
    EXPECT_EQ(teste::DeUtf8(EsperarConteudo(programa, kt::Utf8(esperado))), esperado);
    EXPECT_FALSE(teste::Existe(nenhuma));
}

TEST(AbrirAjuda, ADocumentIsOpenedByTheShellInItsOwnDirectory) {
    teste::PastaTemporaria pasta(L"kt ajuda");
    const std::wstring documento = pasta / L"abrir.bat";
    // The batch writes its parameter into a file named without a directory: it lands in the
    // directory the launch gave.
    ASSERT_TRUE(teste::GravarArquivo(documento, "@echo %1>aberto.txt\r\n"));
    const TRegistroAjuda ajuda = Registro(kAjudaDocumento, documento, L"parametro");
    AbrirAjuda(&ajuda);
    EXPECT_EQ(EsperarConteudo(pasta / L"aberto.txt", "parametro\r\n"), "parametro\r\n");
}

} // namespace
