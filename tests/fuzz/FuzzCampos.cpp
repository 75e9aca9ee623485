// Fuzzes the field lists. The first byte picks the separator (0: the comma by default, 1: the
// blank, otherwise that character), the second the maximum length for joining; the rest is the
// line, one character per byte (the ANSI code page's range).
#include "fileops/Campos.h"
#include "fileops/Texto.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void Exigir(bool condicao) {
    if (!condicao)
        std::abort();
}

bool Aparado(const std::wstring& campo) {
    return campo.empty() || (campo.front() > L' ' && campo.back() > L' ');
}

std::size_t TamanhoJuntado(const kt::TListaCampos& campos) {
    std::size_t tamanho = 2 * (kt::kNumeroDeCampos - 1);
    for (const std::wstring& campo : campos)
        tamanho += campo.size();
    return tamanho;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < 2)
        return 0;
    const wchar_t separador = dados[0] == 1 ? L' ' : static_cast<wchar_t>(dados[0]);
    const wchar_t efetivo = separador == L'\0' ? L',' : separador;
    const std::int32_t maximo = static_cast<std::int8_t>(dados[1]) * 3;
    const std::wstring linha(dados + 2, dados + tamanho);

    kt::TListaCampos campos;
    kt::SepararCampos(linha, campos, separador);
    for (const std::wstring& campo : campos) {
        Exigir(campo.size() <= kt::kTamanhoTextoCurto);
        Exigir(Aparado(campo));
        Exigir(campo.find(efetivo) == std::wstring::npos);
    }
    Exigir(campos[kt::kNumeroDeCampos - 1].empty());

    std::wstring juntada;
    kt::JuntarCampos(juntada, 1000, campos, efetivo);
    Exigir(juntada.size() <= kt::kTamanhoTextoCurto);
    std::wstring cortada;
    kt::JuntarCampos(cortada, maximo, campos, efetivo);
    Exigir(cortada.size() <= static_cast<std::size_t>(std::max(maximo, 0)));
    Exigir(juntada.compare(0, cortada.size(), cortada) == 0);

    // Fields that a comma split gives come back from their joined form, unless the join had to
    // be cut to 255 characters.
    if (efetivo == L',' && TamanhoJuntado(campos) <= kt::kTamanhoTextoCurto) {
        kt::TListaCampos deNovo;
        kt::SepararCampos(juntada, deNovo, L',');
        Exigir(deNovo == campos);
    }
    return 0;
}
