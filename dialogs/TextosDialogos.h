// The run-time texts of the framework's dialogs: the copy's three questions (the overwrite
// confirmation, the insert-disk prompt, the locate-missing-file dialog), the directory browser
// and its new-folder window. The windows set them when they are made and the tests read them
// here. Portable: no Win32 here.
#pragma once

#include "fileops/TextosFramework.h"

#include <string>
#include <string_view>

namespace kt {

// A text as a window or an action keeps it: its own copy of one of the views below.
inline std::wstring Texto(std::wstring_view texto) {
    return std::wstring(texto);
}

namespace textos_sobrescrever {
inline constexpr std::wstring_view kTitulo = L"Sobrescrever";
inline constexpr std::wstring_view kDescricao =
    L"        Ao copiar um arquivo outro foi encontrado no destino, deseja substitui-lo? "
    L"Aconselha-se manter o de versão maior ou o mais novo.";
inline constexpr std::wstring_view kSubstituir = L"Substituir o arquivo:";
inline constexpr std::wstring_view kPor = L"Por:";
inline constexpr std::wstring_view kTamanho = L"Tamanho: ";
inline constexpr std::wstring_view kIdade = L"Idade: ";
inline constexpr std::wstring_view kVersao = L"Versão: ";
inline constexpr std::wstring_view kSemInformacoes = L"Sem informações";
inline constexpr std::wstring_view kSim = L"&sim";
inline constexpr std::wstring_view kNao = L"&Não";
inline constexpr std::wstring_view kSimTodos = L"Sim para todos";
inline constexpr std::wstring_view kNaoTodos = L"Não para todos";
// Between the two names of a report about both files.
inline constexpr std::wstring_view kE = L" e ";
// The size line: bytes up to 1023, whole kilobytes from 1024 on.
inline constexpr std::wstring_view kBytes = L" bytes";
inline constexpr std::wstring_view kKb = L" kb";
// A file whose extension is this one, in any case, is a container: its version is the header's.
inline constexpr std::wstring_view kExtensaoConteiner = L".ZLib";
} // namespace textos_sobrescrever

namespace textos_inserir_disco {
inline constexpr std::wstring_view kTitulo = L"Inserir disco";
inline constexpr std::wstring_view kCancelar = L"&Cancelar";
inline constexpr std::wstring_view kProsseguir = L"&Prosseguir";
inline constexpr std::wstring_view kNaoChecar = L"Não checar esse disco e continuar";
inline constexpr std::wstring_view kConfirmacao = textos_caixas::kConfirmacao;
} // namespace textos_inserir_disco

namespace textos_encontrar {
inline constexpr std::wstring_view kTitulo = L"Encontrar Arquivo";
inline constexpr std::wstring_view kInstrucoes =
    L"        Um arquivo necessário para executar a operação em progresso não foi encontrado e o "
    L"programa gostaria que você o localiza-se. Caso você não consiga encontrar um substituto "
    L"viavel clique em \"Ignorar arquivo\".";
inline constexpr std::wstring_view kLocal = L"Local:";
inline constexpr std::wstring_view kProcurar = L"...";
inline constexpr std::wstring_view kDicaProcurar =
    L"Abre a caixa de dialogo para selecionar o arquivo";
inline constexpr std::wstring_view kAjuda = L"&Ajuda";
inline constexpr std::wstring_view kIgnorar = L"&Ignorar Arquivo";
inline constexpr std::wstring_view kContinuar = L"&Continuar";
inline constexpr std::wstring_view kCancelar = L"Cancelar &Operação";
} // namespace textos_encontrar

// The directory browser and its new-folder window. The question before a deletion and the new
// folder's preset name are entries of the framework's string table (fileops/TextosFramework.h).
namespace textos_diretorios {

// The directory browser.
inline constexpr std::wstring_view kTituloPadrao = L"Abrir Diretório";
inline constexpr std::wstring_view kDrive = L"Drive:";
inline constexpr std::wstring_view kDiretorio = L"Diretório:";
inline constexpr std::wstring_view kAbrir = L"&Abrir";
inline constexpr std::wstring_view kCancelar = L"&Cancelar";
inline constexpr std::wstring_view kAjuda = L"&Ajuda";
inline constexpr std::wstring_view kNovaPasta = L"&Nova Pasta";
inline constexpr std::wstring_view kDicaNovaPasta = L"Criar nova pasta";
inline constexpr std::wstring_view kExcluir = L"&Excluir diretório";
inline constexpr std::wstring_view kDicaExcluir = L"Exclui o diretório selecionado";
inline constexpr std::wstring_view kMeusDocumentos = L"&Meus Documentos";
inline constexpr std::wstring_view kDicaMeusDocumentos = L"Ir para a pasta \"Meus Documentos\"";
// What screen readers call the directory list, which has no label on the window.
inline constexpr std::wstring_view kNomeDaLista = L"Diretórios";
// Caption of the question before a deletion.
inline constexpr std::wstring_view kConfirmacao = textos_caixas::kConfirmacao;

// The new-folder window.
inline constexpr std::wstring_view kTituloNovaPasta = L"Criar nova pasta";
inline constexpr std::wstring_view kInstrucoes = L"Escreva o nome da nova pasta:";
inline constexpr std::wstring_view kCriar = L"&Criar";
inline constexpr std::wstring_view kCancelarNovaPasta = L"Cancela&r";
// A name that would make the folder elsewhere or not at all (fileops/NomeDePasta.h).
inline constexpr std::wstring_view kNomeInvalido =
    L"Este nome não pode ser usado para uma pasta. O nome não pode conter nenhum destes "
    L"caracteres: \\ / : * ? \" < > |, não pode ser formado só por pontos e espaços e não pode "
    L"ser um nome reservado do Windows, como CON, PRN, AUX, NUL, COM1 ou LPT1.";
} // namespace textos_diretorios

} // namespace kt
