// The texts that the copy worker shows: the steps under the gauges, the closing messages and the
// reports of its own. The worker sets them at run time and the tests compare with them. Portable:
// no Win32 here.
#pragma once

#include "fileops/TextosFramework.h"

namespace kt::textos_copia {

// The steps, as lblStatus shows them.
inline constexpr const wchar_t* kCriandoDiretorios = L"Criando os diretórios";
inline constexpr const wchar_t* kCopiandoArquivos = L"Copiando arquivos";
inline constexpr const wchar_t* kCriandoAtalhos = L"Criando os atalhos";
inline constexpr const wchar_t* kAtualizandoRegistro = L"Atualizando o registro";
inline constexpr const wchar_t* kFinalizando = L"Finalizando";
inline constexpr const wchar_t* kTerminou = L"Terminou";

// The closing messages, in a message box with this caption and an OK button. The wizard's own
// messages carry the same caption.
inline constexpr const wchar_t* kInformacao = textos_caixas::kInformacao;
inline constexpr const wchar_t* kSucesso = L"A instalação foi terminada com sucesso!";
inline constexpr const wchar_t* kInterrompida = L"Instalação interrompida.";
inline constexpr const wchar_t* kErroDuranteInstalacao =
    L"Erro durante a instalação, fechando o programa!";

// The reports of the worker's own, in the Solutions Center.
inline constexpr const wchar_t* kErroNoTotal =
    L"Houve um erro ao retirar o total de bytes, o status não será exibido corretamente, mas a "
    L"instalação pode prosseguir, sem problemas.";
inline constexpr const wchar_t* kNaoEZLib = L"O arquivo não é um arquivo ZLib válido";
inline constexpr const wchar_t* kDiretorioNaoCriado =
    L"Um diretório do programa não pode ser criado, por favor escolha outro diretório principal";
inline constexpr const wchar_t* kErroNoAtalho =
    L"O programa detectou um erro. A instalação pode continuar, mas não estará completa. Neste "
    L"caso contate o fabricante do programa.";

// The name of the disk set that the insert-disk prompt asks for.
inline constexpr const wchar_t* kConjuntoDeDiscos = L"Pontilha.exe";

} // namespace kt::textos_copia
