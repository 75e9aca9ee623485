// The texts of the directory browser and of the new-folder window, as the windows show them at
// run time. The question before a deletion and the new folder's preset name are entries of the
// framework's string table (fileops/TextosFramework.h). Portable: no Win32 here.
#pragma once

#include <string_view>

namespace kt::textos_diretorios {

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
// Caption of the question before a deletion.
inline constexpr std::wstring_view kConfirmacao = L"Confirmação";

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

} // namespace kt::textos_diretorios
