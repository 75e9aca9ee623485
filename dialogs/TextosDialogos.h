// The run-time texts of the copy's three questions: the overwrite confirmation, the insert-disk
// prompt and the locate-missing-file dialog. The windows set them when they are made and the
// tests read them here. Portable: no Win32 here.
#pragma once

#include <string_view>

namespace kt {

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
inline constexpr std::wstring_view kConfirmacao = L"Confirmação";
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

} // namespace kt
