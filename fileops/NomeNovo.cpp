#include "fileops/NomeNovo.h"

#include "base/Concat.h"
#include "fileops/Texto.h"

namespace kt {

namespace {

constexpr std::wstring_view kPrefixo = L"~ktnovo";
constexpr std::wstring_view kExtensao = L".tmp";
constexpr std::size_t kDigitos = 4;
static_assert(kPrefixo.size() + kDigitos + kExtensao.size() == kTamanhoMaximoDoNomeNovo);

bool Hexadecimal(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f');
}

} // namespace

std::wstring NomeNovo(std::uint32_t numero) {
    std::wstring digitos;
    do {
        digitos.insert(digitos.begin(), L"0123456789ABCDEF"[numero & 0xF]);
        numero >>= 4;
    } while (numero != 0);
    return base::Concat({kPrefixo, digitos, kExtensao});
}

bool EhNomeNovo(std::wstring_view nome) {
    const std::wstring minusculo = Minusculas(nome);
    const std::wstring_view texto = minusculo;
    if (!texto.starts_with(kPrefixo) || !texto.ends_with(kExtensao))
        return false;
    const std::wstring_view digitos =
        texto.substr(kPrefixo.size(), texto.size() - kPrefixo.size() - kExtensao.size());
    if (digitos.empty() || digitos.size() > kDigitos)
        return false;
    for (wchar_t c : digitos)
        if (!Hexadecimal(c))
            return false;
    return true;
}

} // namespace kt
