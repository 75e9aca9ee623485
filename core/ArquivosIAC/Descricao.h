// The installation description's data: the settings record and the three ordered lists of rows
// (components, directories, files; their format is fileops/LinhasDescricao.h). Everything here is
// plain data; TArquivoIAC is the window-side object that owns it.
#pragma once

#include "fileops/LinhasDescricao.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kt {

// One check box of the options page.
struct TOpcaoInstalacao {
    bool Visivel = false;
    bool Marcada = false;
    std::wstring Legenda;
};

inline constexpr int kNumeroDeOpcoes = 3;

struct TConfiguracaoInstalacao {
    std::int32_t NumeroDeDiscos = 0;
    bool ReiniciarAoTerminar = false;
    std::array<TOpcaoInstalacao, kNumeroDeOpcoes> Opcoes{};
    std::int32_t ModoAutoRemocao = 0;
    std::wstring DiretorioDeInstalacao;
    bool Instalado = false;
    bool PermiteAlterar = false;
    bool PermiteReinstalar = false;
    bool PermiteCompacta = false;
    std::wstring ObservacaoLicenca;
    std::wstring TituloDaJanela;
    std::wstring Instrucoes;
    std::wstring NomeDoDiretorioPadrao;
    std::wstring ArquivoDeLicenca;
    std::wstring ArquivoDeLicencaAlternativo;
    bool ConferirDiscos = false;
    bool ConferirPrimeiroDisco = false;
    std::array<std::wstring, 2> IdentificacaoDoDisco;
    bool GuardarDescricao = false;
    std::wstring ProgramaAoTerminar;
};

struct TDadosDescricao {
    TConfiguracaoInstalacao Configuracao;
    TListaLinhas Componentes;
    TListaLinhas Diretorios;
    TListaLinhas Arquivos;

    // Replaces the whole settings record by a copy of the given one.
    void DefinirConfiguracao(const TConfiguracaoInstalacao& configuracao) {
        Configuracao = configuracao;
    }
};

} // namespace kt
