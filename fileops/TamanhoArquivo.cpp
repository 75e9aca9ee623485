#include "fileops/TamanhoArquivo.h"

#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"
#include "base/Owned.h"

#include <windows.h>

namespace kt {

std::int32_t TamanhoArquivo(std::wstring_view nomeArquivo) {
    return static_cast<std::int32_t>(TamanhoArquivoCompleto(nomeArquivo));
}

std::int64_t TamanhoArquivoCompleto(std::wstring_view nomeArquivo) {
    std::int64_t resultado = -1;
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    const std::wstring nome(nomeArquivo);
    ExecutarRelatando(ajuda, {}, nome, [&] {
        base::UniqueFile arquivo(VerificarHandle(CreateFileW(
            VerificarCaminho(nome).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
        LARGE_INTEGER tamanho{};
        if (!GetFileSizeEx(arquivo.Get(), &tamanho))
            GerarUltimoErroWindows();
        resultado = tamanho.QuadPart;
        // An empty file fails the check like a failed read; GetFileSizeEx leaves the last error
        // alone when it succeeds, so the report must not carry a code that an earlier call left.
        if (tamanho.QuadPart == 0) {
            SetLastError(ERROR_SUCCESS);
            GerarUltimoErroWindows();
        }
    });
    return resultado;
}

} // namespace kt
