#include "instalacao/Desinstalacao.h"

#include "fileops/Caminhos.h"
#include "fileops/DiarioDeInstalacao.h"
#include "fileops/Texto.h"

#include <set>
#include <utility>

namespace kt {

TDesinstalacao::TDesinstalacao(TJanelaDaDesinstalacao& janela, TDadosDaDesinstalacao dados)
    : TTrabalho(janela), janela_(janela), dados_(std::move(dados)),
      remocao_(dados_.Destinos.Instalacao),
      total_(dados_.Arquivos.Contar() + dados_.Diretorios.Contar()) {
    // Nothing stops the removal once it has begun.
    SemVolta();
}

void TDesinstalacao::Execute() {
    instalados_ = LerDiario(dados_.Destinos.Instalacao);
    RemoverArquivos();
    NaPrincipal([this] { janela_.RemocaoConcluida(TPassoDaRemocao::Arquivos); });
    RemoverDiretorios();
    NaPrincipal([this] { janela_.RemocaoConcluida(TPassoDaRemocao::Diretorios); });
}

bool TDesinstalacao::Escrito(const std::wstring& arquivo) const {
    return !instalados_ || instalados_->ArquivoEscrito(arquivo);
}

bool TDesinstalacao::Criada(const std::wstring& pasta) const {
    return !instalados_ || instalados_->PastaCriada(pasta);
}

void TDesinstalacao::RemoverArquivos() {
    std::set<std::wstring> varridas;
    for (int linha = 0; linha < dados_.Arquivos.Contar(); ++linha) {
        const TListaCampos campos = dados_.Arquivos.Campos(linha);
        if (!DiferenteDeNao(campos[coluna_arquivo::kEstado]))
            continue;
        const std::wstring alvo = CaminhoDeDestino(campos, dados_.Destinos);
        Mostrar(alvo, linha);
        if (Escrito(alvo))
            remocao_.RemoverArquivo(alvo);
        const std::wstring pasta(PastaDe(alvo));
        if (varridas.insert(Minusculas(pasta)).second)
            remocao_.VarrerNovos(pasta);
    }
}

// In the rows' order: a deeper directory is listed before its parent. A row without a path would
// name the installation directory itself, which holds the program until the self-removal.
void TDesinstalacao::RemoverDiretorios() {
    const int feitos = dados_.Arquivos.Contar();
    for (int linha = 0; linha < dados_.Diretorios.Contar(); ++linha) {
        const TListaCampos campos = dados_.Diretorios.Campos(linha);
        const std::wstring& caminho = campos[coluna_diretorio::kCaminho];
        if (caminho.empty() || !DiferenteDeNao(campos[coluna_diretorio::kEstado]))
            continue;
        const std::wstring pasta = dados_.Destinos.Instalacao + caminho;
        Mostrar(pasta, feitos + linha);
        if (Criada(pasta))
            remocao_.RemoverPasta(pasta);
    }
    Mostrar(L"", total_);
}

// The page names what is being removed, and its gauge counts the rows.
void TDesinstalacao::Mostrar(const std::wstring& caminho, int feitos) {
    MudarTela([&](TTela& tela) {
        tela.Geral = total_ == 0 ? 100 : feitos * 100 / total_;
        tela.Destino = caminho;
    });
}

} // namespace kt
