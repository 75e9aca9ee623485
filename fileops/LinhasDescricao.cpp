#include "fileops/LinhasDescricao.h"

#include "base/Concat.h"
#include "fileops/Caminhos.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/NomeNovo.h"
#include "fileops/Texto.h"
#include "base/Exception.h"

namespace kt {

void TListaLinhas::Substituir(int i, const std::wstring& linha) {
    linhas_.at(static_cast<std::size_t>(i)) = Curta(linha);
}

void TListaLinhas::Adicionar(const std::wstring& linha) {
    linhas_.push_back(Curta(linha));
}

std::wstring CaminhoDeDestino(const TListaCampos& campos, const TDiretoriosDestino& diretorios) {
    const std::wstring base = Minusculas(campos[coluna_arquivo::kBase]);
    const std::wstring& nome = campos[coluna_arquivo::kNome];
    if (base == kBaseSistema)
        return diretorios.Sistema + nome;
    if (base == kBaseWindows)
        return diretorios.Windows + nome;
    std::wstring caminho = diretorios.Instalacao + campos[coluna_arquivo::kSubdiretorio];
    if (!campos[coluna_arquivo::kSubdiretorio].empty())
        caminho += L'\\';
    return caminho + nome;
}

namespace {

bool PastaCabe(const std::wstring& pasta) {
    return SemDelimitador(pasta).size() <= kMaximoDaPasta;
}

bool ArquivoCabe(const std::wstring& arquivo) {
    const std::wstring_view pasta = PastaDe(arquivo);
    return arquivo.size() <= kMaximoDoCaminho && PastaCabe(std::wstring(pasta)) &&
           pasta.size() + 1 + kTamanhoMaximoDoNomeNovo <= kMaximoDoCaminho;
}

} // namespace

bool CaminhosDaInstalacaoCabem(const TDiretoriosDestino& destinos, const TListaLinhas& diretorios,
                               const TListaLinhas& arquivos) {
    if (!PastaCabe(destinos.Instalacao) || !ArquivoCabe(destinos.Instalacao + kArquivoDoDiario))
        return false;
    for (int i = 0; i < diretorios.Contar(); ++i) {
        const TListaCampos campos = diretorios.Campos(i);
        const std::wstring& caminho = campos[coluna_diretorio::kCaminho];
        if (!caminho.empty() && campos[coluna_diretorio::kEstado] != kRemover &&
            !PastaCabe(destinos.Instalacao + caminho))
            return false;
    }
    for (int i = 0; i < arquivos.Contar(); ++i) {
        const TListaCampos campos = arquivos.Campos(i);
        if (campos[coluna_arquivo::kEstado] != kNao &&
            !ArquivoCabe(CaminhoDeDestino(campos, destinos)))
            return false;
    }
    return true;
}

bool NomeiaOProprioPrograma(const std::wstring& origem) {
    return Minusculas(origem) == Minusculas(kProprioPrograma);
}

bool DiferenteDeNao(const std::wstring& valor) {
    return Aparar(valor) != kNao;
}

std::int32_t LerNumero(const std::wstring& valor) {
    const std::wstring texto = Aparar(valor);
    std::size_t i = 0;
    bool negativo = false;
    if (!texto.empty() && (texto[0] == L'-' || texto[0] == L'+')) {
        negativo = texto[0] == L'-';
        i = 1;
    }
    bool valido = i < texto.size();
    long long numero = 0;
    for (; valido && i < texto.size(); ++i) {
        const wchar_t c = texto[i];
        valido = c >= L'0' && c <= L'9' && (numero = numero * 10 + (c - L'0')) <= 2147483648LL;
    }
    if (negativo)
        numero = -numero;
    if (!valido || numero > 2147483647LL)
        throw base::EConvertError(base::Concat({L"'", valor, L"' não é um número inteiro válido"}));
    return static_cast<std::int32_t>(numero);
}

} // namespace kt
