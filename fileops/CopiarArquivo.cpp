#include "fileops/CopiarArquivo.h"

#include "fileops/ArquivoNovo.h"
#include "fileops/Arquivos.h"
#include "fileops/IdentidadeArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/ServicosDeJanela.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"
#include "base/Owned.h"

#include <array>
#include <string>

namespace kt {

namespace {

// The copy routine asks without "to all" buttons, describing the source.
constexpr std::int32_t kSemBotoesTodos = 0;

// The same text once blanks and control characters are trimmed, without regard to case by the
// user's locale.
bool MesmoCaminho(const std::wstring& a, const std::wstring& b) {
    const std::wstring x = Aparar(a);
    const std::wstring y = Aparar(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.c_str(),
                          static_cast<int>(x.size()), y.c_str(),
                          static_cast<int>(y.size())) == CSTR_EQUAL;
}

std::uint64_t TamanhoAberto(HANDLE arquivo) {
    LARGE_INTEGER tamanho{};
    if (!GetFileSizeEx(arquivo, &tamanho))
        GerarUltimoErroWindows();
    return static_cast<std::uint64_t>(tamanho.QuadPart);
}

} // namespace

bool CopiarArquivo(std::wstring_view origem, std::wstring_view destino, std::int32_t modo,
                   TEventoProgresso progresso, CRITICAL_SECTION* trava) {
    bool resultado = false;
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    const std::wstring de(origem);
    const std::wstring para(destino);
    // The file that a report names: the source until the destination is being written.
    std::wstring atual = de;
    ExecutarRelatando(ajuda, kLinhasCopia, atual, [&] {
        if (!EhArquivo(de))
            throw ECopiaDe();
        const bool destinoExiste = EhArquivo(para);
        if (MesmoCaminho(de, para) || (destinoExiste && MesmoArquivo(de, para)))
            throw EAlarme();
        if (destinoExiste && modo == kCopiaMantem)
            return;
        if (destinoExiste && modo == kCopiaPergunta) {
            const base::OptionalLock travada(trava);
            if (ServicosDeJanela().PerguntarSobrescrever(de, para, kSemBotoesTodos, true) !=
                kSobrescrever)
                return;
        }

        base::UniqueFile entrada(
            VerificarHandle(CreateFileW(VerificarCaminho(de).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
        const std::uint64_t tamanho = progresso ? TamanhoAberto(entrada.Get()) : 0;
        atual = para;
        TArquivoNovo alvo(para);
        std::array<char, kBlocoCopia> bloco;
        std::uint64_t total = 0;
        bool parar = false;
        for (;;) {
            DWORD lidos = 0;
            VerificarResultado(ReadFile(entrada.Get(), bloco.data(), kBlocoCopia, &lidos, nullptr));
            alvo.Gravar(bloco.data(), lidos);
            if (progresso) {
                total += lidos;
                progresso(static_cast<std::int32_t>(tamanho == 0 ? 100 : total * 100 / tamanho),
                          parar);
                if (parar)
                    return;
            }
            if (lidos == 0)
                break;
        }
        alvo.Concluir();
        resultado = true;
    });
    return resultado;
}

} // namespace kt
