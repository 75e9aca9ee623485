#include "fileops/TamanhoArquivo.h"

#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"
#include "ui/Owned.h"

#include <windows.h>

namespace kt {

std::int32_t TamanhoArquivo(std::wstring_view nomeArquivo) {
    std::int32_t resultado = -1;
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    const std::wstring nome = Curta(nomeArquivo);
    ExecutarRelatando(ajuda, {}, nome, [&] {
        ui::UniqueFile arquivo(VerificarHandle(
            CreateFileW(nome.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
        // GetFileSize leaves the last error alone when it succeeds: a size of 0 must not be
        // reported with a code that an earlier call left behind.
        SetLastError(ERROR_SUCCESS);
        const DWORD tamanho = GetFileSize(arquivo.Get(), nullptr);
        resultado = static_cast<std::int32_t>(tamanho);
        VerificarHandle(static_cast<std::uint32_t>(tamanho));
    });
    return resultado;
}

} // namespace kt
