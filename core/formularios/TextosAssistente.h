// Every text that the wizard window shows, as the user reads it. The window sets them at run time
// and the tests compare with them.
#pragma once

#include "base/Concat.h"
#include "core/produto/Produto.h"
#include "instalacao/TextosCopia.h"

#include <string>

namespace kt::textos_assistente {

inline constexpr const wchar_t* kTituloDaJanela = L"Assistente de Configuração";

// Titles of the scenes (the scene cenaInstala has none).
inline constexpr const wchar_t* kCarregando = L"Carregando";
inline constexpr const wchar_t* kEscolhaUmaOperacao = L"Escolha uma operação";
inline constexpr const wchar_t* kDesinstalando = L"Desinstalando";
inline constexpr const wchar_t* kLicencaDeUso = L"Licença de uso";
inline constexpr const wchar_t* kOpcoesDeInstalacao = L"Opções de instalação";
inline constexpr const wchar_t* kComponentesDoPrograma = L"Componentes do programa";
inline constexpr const wchar_t* kSobre = L"Sobre";

// cenaIniciar
inline constexpr const wchar_t* kInstrucoes =
    L"        Por favor, aguarde enquanto o programa de instalação verifica o seu sistema.";

// cenaConfigurar
inline constexpr const wchar_t* kInstalarReinstalar = L"Instalar / Reinstalar";
inline constexpr const wchar_t* kAlterarComponentes = L"Alterar os componetes";
inline constexpr const wchar_t* kDesinstalar = L"Desinstalar";
inline constexpr const wchar_t* kBotaoSobre = L"&Sobre";

// Buttons of several scenes.
inline constexpr const wchar_t* kCancelar = L"&Cancelar";
inline constexpr const wchar_t* kVoltar = L"&Voltar";
inline constexpr const wchar_t* kContinuar = L"Continuar";
inline constexpr const wchar_t* kInstalar = L"&Instalar";
inline constexpr const wchar_t* kSair = L"&Sair";

// cenaDesinstalar
inline constexpr const wchar_t* kRemovendoArquivos = L"Removendo os arquivos";
inline constexpr const wchar_t* kRemovendoDiretorios = L"Removendo os diretórios";
inline constexpr const wchar_t* kRemovendoAtalhos = L"Removendo os atalhos";
inline constexpr const wchar_t* kRemovendoRegistro = L"Removendo entradas no registro";
inline constexpr const wchar_t* kDesinstalacaoTerminada =
    L"A desinstalação foi terminada com sucesso!";

// cenaLicenca
inline constexpr const wchar_t* kPergunta = L"Você  concorda com os termos da licença?";
inline constexpr const wchar_t* kRespostaSim = L"Sim";
inline constexpr const wchar_t* kRespostaNao = L"Não";

// cenaOpcoes
inline constexpr const wchar_t* kSelecioneOpcoes = L"Selecione as opções desejadas";
inline constexpr const wchar_t* kInstalacaoCompacta = L"Instalação Compacta";
inline constexpr const wchar_t* kOpcoesAvancadas = L"Opções avançadas de instalação";
inline constexpr const wchar_t* kEscolhaDiretorio = L"  Escolha o diretório onde deseja instalar:";
inline constexpr const wchar_t* kProcurar = L"&Procurar";

// cenaOQue
inline constexpr const wchar_t* kSelecioneComponentes =
    L"  Selecione os componentes a serem instalados";

// Message boxes.
inline constexpr const wchar_t* kInformacao = textos_copia::kInformacao;
inline constexpr const wchar_t* kConfirmacao = textos_caixas::kConfirmacao;
inline constexpr const wchar_t* kDiretorioVazio = L"O diretório escolhido não pode ser vazio.";
inline constexpr const wchar_t* kDiretorioLongo =
    L"O caminho do diretório escolhido é longo demais. Escolha um diretório de caminho mais curto.";
inline constexpr const wchar_t* kDiretorioIncompleto =
    L"Informe o caminho completo do diretório, com a letra da unidade (C:\\Arquivos de "
    L"programas\\Pontilha) ou o nome do servidor (\\\\servidor\\pasta).";
inline constexpr const wchar_t* kAssistenteEmExecucao =
    L"O assistente de instalação já está em execução. Termine-o antes de iniciá-lo outra vez.";
inline constexpr const wchar_t* kCancelarInstalacao =
    L"Tem certeza que deseja cancelar a instalação.";

// The end of an installation that asks for a restart.
inline constexpr const wchar_t* kReiniciar =
    L"Para a terminar a instalação é necessário reiniciar o computador, deseja que o assistente "
    L"faça isso agora?";
inline constexpr const wchar_t* kReinicioRecusado =
    L"Seu computador não permitiu que o assistente o reiniciasse, será necessário faze-lo "
    L"manualmente, obrigado.";

// The Solutions Center report of a start-up that failed.
inline constexpr const wchar_t* kModuloDoAssistente = L"Pontilha.exe";
inline constexpr const wchar_t* kErroNaInicializacao =
    L"Erro na inicialização do assistente de instalação";
inline constexpr const wchar_t* kSolucaoErroNaInicializacao =
    L"A Central de Soluções não pode resolver o problema. Entre em contado com o suporte do "
    L"produto e relate-o. O assistente de instalação  será fechado.";

// The about page: four lines separated by CR LF, each opening with five blanks.
inline constexpr const wchar_t* kSobreSuporte =
    L"     Em caso de dúvidas, problemas com o programa de instalação ou sugestões, entre em "
    L"contado enviando um e-mail para: ";
inline constexpr const wchar_t* kSobreDesenvolvedor = L"     Desenvolvido por: ";
inline constexpr const wchar_t* kSobreNomeDoInstalador = L"     Nome do programa de instalação: ";
inline constexpr const wchar_t* kSobreVersao = L"     Versão do projeto: 1.0 distribuição 5";

inline std::wstring TextoSobre() {
    return base::Concat({kSobreSuporte, produto::kEmailSuporte, L"\r\n", kSobreDesenvolvedor,
                         produto::kDesenvolvedor, L"\r\n", kSobreNomeDoInstalador,
                         produto::kNomeInstalador, L"\r\n", kSobreVersao});
}

} // namespace kt::textos_assistente
