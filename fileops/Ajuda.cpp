#include "fileops/Ajuda.h"

#include "fileops/Ansi.h"
#include "fileops/TextosFramework.h"
#include "ui/Owned.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace kt {
namespace {

// The key as the string table gives it, without the leading and trailing delimiters that the
// registry functions do not take.
std::wstring ChaveDoFramework() {
    std::wstring chave(TextoFramework(ids::kChaveFramework));
    while (!chave.empty() && chave.front() == L'\\')
        chave.erase(chave.begin());
    while (!chave.empty() && chave.back() == L'\\')
        chave.pop_back();
    return chave;
}

} // namespace

bool LerLocalDoFramework(std::wstring& local) {
    local.clear();
    ui::UniqueKey chave;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ChaveDoFramework().c_str(), 0, KEY_READ, chave.Put()) !=
        ERROR_SUCCESS)
        return false;
    const std::wstring valor(TextoFramework(ids::kValorLocal));
    DWORD tipo = 0;
    DWORD bytes = 0;
    // A value that is missing or not a string reads as empty: the help file then lies in the
    // current directory, and the report is still shown.
    if (RegQueryValueExW(chave.Get(), valor.c_str(), nullptr, &tipo, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (tipo != REG_SZ && tipo != REG_EXPAND_SZ))
        return true;
    std::vector<wchar_t> dados(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(chave.Get(), valor.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(dados.data()), &bytes) == ERROR_SUCCESS)
        local = dados.data();
    return true;
}

void PreencherAjuda(TRegistroAjuda& ajuda, std::int32_t contexto) {
    std::memset(&ajuda, 0, sizeof ajuda);
    std::wstring local;
    if (!LerLocalDoFramework(local))
        return;
    ajuda.Tamanho = kTamanhoRegistroAjuda;
    ajuda.Tipo = kAjudaArquivoDeAjuda;
    ajuda.Contexto = contexto;
    CopiarAnsi(local + std::wstring(TextoFramework(ids::kArquivoAjuda)), ajuda.ArquivoAjuda,
               kTamanhoNomeAjuda);
}

void PreencherAjudaPadrao(TRegistroAjuda& ajuda) {
    PreencherAjuda(ajuda, kContextoPadrao);
}

TRegistroAjuda AjudaSemArquivo(std::int32_t contexto) {
    TRegistroAjuda ajuda{};
    ajuda.Tamanho = kTamanhoRegistroAjuda;
    ajuda.Tipo = kAjudaArquivoDeAjuda;
    ajuda.Contexto = contexto;
    return ajuda;
}

} // namespace kt
