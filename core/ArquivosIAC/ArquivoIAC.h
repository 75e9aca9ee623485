// The installation description: the settings record and the component, directory and file rows
// that say what an installation consists of, owned by the wizard window. Its content is built into
// the program: a content function fills it at start-up. It is never read from or written to a
// file, so reading and writing have no effect.
#pragma once

#include "core/ArquivosIAC/ArquivoPersonalizado.h"
#include "core/ArquivosIAC/Descricao.h"

#include <functional>
#include <string>

namespace kt {

// Fills the settings and appends the rows of a product's description; diretorioPrograma is the
// directory of the running executable, ending in a path delimiter.
using TConteudoDescricao =
    std::function<void(TDadosDescricao& descricao, const std::wstring& diretorioPrograma)>;

// The bitmap resource with the description's icon.
inline constexpr const wchar_t* kIconeArquivoIAC = L"ARQUIVOIAC";

class TArquivoIAC : public TArquivoPersonalizado {
public:
    TArquivoIAC(HWND dono, TConteudoDescricao conteudo);

    void Carregar() override {}
    void Gravar() override {}
    bool Valido() const override { return true; }

    // A picture for the description that nothing in the installer draws; empty unless set.
    HBITMAP ImagemDeFundo() const { return imagemDeFundo_.Get(); }
    void DefinirImagemDeFundo(HBITMAP imagem) { imagemDeFundo_.Reset(imagem); }

    const TConfiguracaoInstalacao& Configuracao() const { return dados_.Configuracao; }
    // Replaces the whole settings record by a copy of the given one.
    void DefinirConfiguracao(const TConfiguracaoInstalacao& configuracao) {
        dados_.DefinirConfiguracao(configuracao);
    }
    TListaLinhas& Componentes() { return dados_.Componentes; }
    TListaLinhas& Diretorios() { return dados_.Diretorios; }
    TListaLinhas& Arquivos() { return dados_.Arquivos; }
    const TDadosDescricao& Dados() const { return dados_; }

    // Runs the content function once: settings, then rows appended to the lists as they are.
    void PreencherDescricao(const std::wstring& diretorioPrograma);

private:
    TConteudoDescricao conteudo_;
    base::UniqueBitmap imagemDeFundo_;
    TDadosDescricao dados_;
};

} // namespace kt
