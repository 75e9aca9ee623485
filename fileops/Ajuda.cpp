#include "fileops/Ajuda.h"

#include "fileops/Ansi.h"
#include "fileops/Registro.h"
#include "fileops/TextosFramework.h"

#include <windows.h>

#include <cstring>

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
    // A value that is missing or not a string reads as empty: the help file then lies in the
    // current directory, and the report is still shown.
    const auto lido = LerTextoDoRegistro(HKEY_LOCAL_MACHINE, ChaveDoFramework(),
                                         std::wstring(TextoFramework(ids::kValorLocal)));
    local = lido.value_or(L"");
    return lido.has_value();
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
