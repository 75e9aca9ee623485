#include "fileops/VerificacoesWin32.h"

#include "fileops/Caminhos.h"
#include "fileops/ErrosArquivo.h"

namespace kt {

namespace {

constexpr std::uint32_t kValorInvalido = 0xFFFFFFFF;

thread_local std::optional<std::uint32_t> t_ultimoErroGerado;

} // namespace

void GerarUltimoErroWindows() {
    const std::uint32_t codigo = GetLastError();
    t_ultimoErroGerado = codigo;
    GerarErroWindows(codigo);
}

std::uint32_t VerificarHandle(std::uint32_t valor) {
    if (valor == 0 || valor == kValorInvalido)
        GerarUltimoErroWindows();
    return valor;
}

HANDLE VerificarHandle(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        GerarUltimoErroWindows();
    return handle;
}

BOOL VerificarResultado(BOOL resultado) {
    if (resultado == FALSE)
        GerarUltimoErroWindows();
    return resultado;
}

const std::wstring& VerificarCaminho(const std::wstring& caminho) {
    if (caminho.size() > kMaximoDoCaminho) {
        SetLastError(ERROR_BAD_PATHNAME);
        GerarUltimoErroWindows();
    }
    return caminho;
}

std::optional<std::uint32_t> UltimoErroGerado() {
    return t_ultimoErroGerado;
}

void EsquecerUltimoErroGerado() {
    t_ultimoErroGerado.reset();
}

} // namespace kt
