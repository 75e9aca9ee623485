#include "fileops/Campos.h"

#include "fileops/Texto.h"

#include <algorithm>

namespace kt {

void SepararCampos(std::wstring_view linha, TListaCampos& campos, wchar_t separador) {
    for (std::wstring& campo : campos)
        campo.clear();
    if (separador == L'\0')
        separador = L',';
    linha = linha.substr(0, kTamanhoTextoCurto);

    int guardados = 0;
    std::wstring atual;
    bool palavraAberta = false;
    auto guardar = [&] {
        campos[guardados++] = Aparar(atual);
        atual.clear();
    };

    for (wchar_t c : linha) {
        if (guardados == kCamposLidos)
            break;
        if (separador != L' ') {
            if (c == separador)
                guardar();
            else
                atual += c;
        } else if (c != L' ') {
            atual += c;
            palavraAberta = true;
        } else if (palavraAberta) {
            guardar();
            palavraAberta = false;
        }
    }

    if (guardados == 0)
        campos[0] = Aparar(linha);
    else
        campos[guardados] = Aparar(atual);
}

void JuntarCampos(std::wstring& texto, std::int32_t tamanhoMaximo, const TListaCampos& campos,
                  wchar_t separador) {
    std::wstring linha;
    for (int i = 0; i < kNumeroDeCampos; ++i) {
        linha += campos[i];
        if (i + 1 < kNumeroDeCampos) {
            linha += separador;
            linha += L' ';
        }
    }
    linha = Curta(linha);
    texto = Curta(linha, static_cast<std::size_t>(std::max<std::int32_t>(tamanhoMaximo, 0)));
}

TListaCampos Separar(std::wstring_view linha) {
    TListaCampos campos;
    SepararCampos(linha, campos);
    return campos;
}

std::wstring Juntar(const TListaCampos& campos) {
    std::wstring linha;
    JuntarCampos(linha, kTamanhoTextoCurto, campos);
    return linha;
}

} // namespace kt
