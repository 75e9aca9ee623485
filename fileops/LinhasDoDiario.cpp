#include "fileops/LinhasDoDiario.h"

#include "base/Concat.h"
#include "fileops/Caminhos.h"
#include "fileops/Texto.h"

namespace kt {

namespace {

constexpr std::wstring_view kArquivo = L"arquivo ";
constexpr std::wstring_view kPasta = L"pasta ";
constexpr std::wstring_view kFimDeLinha = L"\r\n";

std::wstring Chave(std::wstring_view caminho) {
    return Minusculas(SemDelimitador(std::wstring(caminho)));
}

} // namespace

std::wstring LinhaDoArquivo(std::wstring_view arquivo) {
    return base::Concat({kArquivo, arquivo, kFimDeLinha});
}

std::wstring LinhaDaPasta(std::wstring_view pasta) {
    return base::Concat({kPasta, SemDelimitador(std::wstring(pasta)), kFimDeLinha});
}

TInstalados TInstalados::Ler(std::wstring_view texto) {
    TInstalados instalados;
    for (std::size_t fim = texto.find(L'\n'); fim != std::wstring_view::npos;
         fim = texto.find(L'\n')) {
        std::wstring_view linha = texto.substr(0, fim);
        texto.remove_prefix(fim + 1);
        if (linha.ends_with(L'\r'))
            linha.remove_suffix(1);
        if (linha.starts_with(kArquivo) && linha.size() > kArquivo.size())
            instalados.arquivos_.insert(Chave(linha.substr(kArquivo.size())));
        else if (linha.starts_with(kPasta) && linha.size() > kPasta.size())
            instalados.pastas_.insert(Chave(linha.substr(kPasta.size())));
    }
    return instalados;
}

bool TInstalados::ArquivoEscrito(std::wstring_view arquivo) const {
    return arquivos_.contains(Chave(arquivo));
}

bool TInstalados::PastaCriada(std::wstring_view pasta) const {
    return pastas_.contains(Chave(pasta));
}

} // namespace kt
