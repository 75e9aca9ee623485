// The stream over a Win32 file: reads, writes and positions on a real file; failing calls leave
// as the typed error of their Windows code; the handle is shared with nobody and closed with the
// stream.
#include "fileops/ErrosArquivo.h"
#include "fileops/VerificacoesWin32.h"
#include "payload/container/FluxoArquivo.h"
#include "tests/win/comum/Arquivos.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using namespace kt;
using teste::PastaTemporaria;

std::string Ler(TFluxo& fluxo, std::size_t n) {
    std::string lidos(n, '\0');
    lidos.resize(fluxo.Ler(lidos.data(), n));
    return lidos;
}

// Whether another handle can open the file for reading while sharing everything.
bool OutroPodeAbrir(const std::wstring& caminho) {
    HANDLE outro = CreateFileW(caminho.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (outro == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(outro);
    return true;
}

template <class E>
std::uint32_t CodigoDoErro(const std::function<void()>& acao) {
    EsquecerUltimoErroGerado();
    EXPECT_THROW(acao(), E);
    return UltimoErroGerado().value_or(0);
}

TEST(FluxoArquivo, WritesReadsAndPositionsOnTheFile) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring arquivo = pasta / L"dados.bin";
    {
        TFluxoArquivo fluxo = TFluxoArquivo::CriarSemCompartilhar(arquivo);
        EXPECT_EQ(fluxo.Gravar("abcdefgh", 8), 8u);
        EXPECT_EQ(fluxo.Tamanho(), 8);
        EXPECT_EQ(fluxo.Posicionar(2, TOrigemFluxo::Inicio), 2);
        EXPECT_EQ(Ler(fluxo, 3), "cde");
        EXPECT_EQ(fluxo.Posicionar(-1, TOrigemFluxo::Atual), 4);
        EXPECT_EQ(fluxo.Gravar("XY", 2), 2u);
        EXPECT_EQ(fluxo.Posicionar(-1, TOrigemFluxo::Fim), 7);
        EXPECT_EQ(Ler(fluxo, 10), "h");
        EXPECT_EQ(Ler(fluxo, 10), "");
    }
    EXPECT_EQ(teste::LerArquivo(arquivo), "abcdXYgh");
}

TEST(FluxoArquivo, ReadsLargeFilesWhole) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring arquivo = pasta / L"grande.bin";
    std::string bytes(300000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    ASSERT_TRUE(teste::GravarArquivo(arquivo, bytes));
    TFluxoArquivo fluxo = TFluxoArquivo::AbrirSemCompartilhar(arquivo);
    EXPECT_EQ(fluxo.Tamanho(), 300000);
    EXPECT_EQ(Ler(fluxo, 400000), bytes);
}

TEST(FluxoArquivo, CreatingReplacesAnExistingFile) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring arquivo = pasta / L"antigo.txt";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, "conteúdo antigo e longo"));
    {
        TFluxoArquivo fluxo = TFluxoArquivo::CriarSemCompartilhar(arquivo);
        EXPECT_EQ(fluxo.Tamanho(), 0);
        fluxo.Gravar("novo", 4);
    }
    EXPECT_EQ(teste::LerArquivo(arquivo), "novo");
}

TEST(FluxoArquivo, IsSharedWithNobodyAndClosedWithTheStream) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring lido = pasta / L"lido.txt";
    const std::wstring criado = pasta / L"criado.txt";
    ASSERT_TRUE(teste::GravarArquivo(lido, "x"));
    {
        TFluxoArquivo leitura = TFluxoArquivo::AbrirSemCompartilhar(lido);
        TFluxoArquivo escrita = TFluxoArquivo::CriarSemCompartilhar(criado);
        EXPECT_FALSE(OutroPodeAbrir(lido));
        EXPECT_FALSE(OutroPodeAbrir(criado));
    }
    EXPECT_TRUE(OutroPodeAbrir(lido));
    EXPECT_TRUE(OutroPodeAbrir(criado));
}

TEST(FluxoArquivoErros, AMissingFileIsTheErrorOfItsCode) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring arquivo = pasta / L"não existe.bin";
    EXPECT_EQ(
        CodigoDoErro<EOperacaoEmArquivo>([&] { TFluxoArquivo::AbrirSemCompartilhar(arquivo); }),
        static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(teste::Existe(arquivo));
}

TEST(FluxoArquivoErros, AFileHeldWithoutSharingIsASharingViolation) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring arquivo = pasta / L"preso.bin";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, "preso"));
    HANDLE preso = CreateFileW(arquivo.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(preso, INVALID_HANDLE_VALUE);
    EXPECT_EQ(CodigoDoErro<EViolacaoCompartilhamento>(
                  [&] { TFluxoArquivo::AbrirSemCompartilhar(arquivo); }),
              static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(CodigoDoErro<EViolacaoCompartilhamento>(
                  [&] { TFluxoArquivo::CriarSemCompartilhar(arquivo); }),
              static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
    CloseHandle(preso);
    EXPECT_EQ(teste::LerArquivo(arquivo), "preso");
}

TEST(FluxoArquivoErros, WritingToAFileOpenForReadingIsAccessDenied) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring arquivo = pasta / L"leitura.bin";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, "só leitura"));
    TFluxoArquivo fluxo = TFluxoArquivo::AbrirSemCompartilhar(arquivo);
    EXPECT_EQ(CodigoDoErro<EAcessoNegado>([&] { fluxo.Gravar("x", 1); }),
              static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
}

TEST(FluxoArquivoErros, APositionBeforeTheStartIsRefused) {
    PastaTemporaria pasta(L"kt fluxo");
    const std::wstring arquivo = pasta / L"posicao.bin";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, "abc"));
    TFluxoArquivo fluxo = TFluxoArquivo::AbrirSemCompartilhar(arquivo);
    fluxo.Posicionar(1, TOrigemFluxo::Inicio);
    EXPECT_THROW(fluxo.Posicionar(-5, TOrigemFluxo::Atual), EOperacaoEmArquivo);
    EXPECT_EQ(fluxo.Posicao(), 1);
}

} // namespace
