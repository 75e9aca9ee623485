#include "core/ArquivosIAC/ArquivoIAC.h"

#include <utility>

namespace kt {

TArquivoIAC::TArquivoIAC(HWND dono, TConteudoDescricao conteudo)
    : TArquivoPersonalizado(dono, kIconeArquivoIAC), conteudo_(std::move(conteudo)) {}

void TArquivoIAC::PreencherDescricao(const std::wstring& diretorioPrograma) {
    conteudo_(dados_, diretorioPrograma);
}

} // namespace kt
