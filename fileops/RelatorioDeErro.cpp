#include "fileops/RelatorioDeErro.h"

#include "fileops/ServicosDeJanela.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"

#include <windows.h>

namespace kt {

namespace {

// The thread's last Windows error code for the report: the one that a failing check raised from,
// or else the thread's current one, read before anything else can change it.
std::uint32_t UltimoErro() {
    const std::uint32_t atual = GetLastError();
    return UltimoErroGerado().value_or(atual);
}

// Composes and shows the report of the error being handled.
void Relatar(const std::exception_ptr& erro, const TRegistroAjuda& ajuda,
             std::span<const TLinhaPropria> proprias, const std::wstring& arquivos) noexcept {
    const std::uint32_t ultimoErro = UltimoErro();
    try {
        const TTextosRelatorio textos = TextosDoRelatorio(erro, ultimoErro, proprias);
        Relatar(kModuloDoFramework, textos.Problema, Curta(arquivos), textos.Solucao, &ajuda,
                nullptr);
    } catch (...) {
        // Composing the texts ran out of memory: the operation still returns its failure result.
    }
}

} // namespace

bool ExecutarRelatando(const TRegistroAjuda& ajuda, std::span<const TLinhaPropria> proprias,
                       const std::wstring& arquivos, base::FunctionRef<void()> trabalho) noexcept {
    EsquecerUltimoErroGerado();
    try {
        trabalho();
        return true;
    } catch (...) {
        Relatar(std::current_exception(), ajuda, proprias, arquivos);
        return false;
    }
}

} // namespace kt
