// The constants that make the wizard install Pontilha and not another product. The product
// routines, the built-in description and the tests all read them here.
#pragma once

#include "core/produto/Fabricante.h"

namespace kt::produto {

inline constexpr const wchar_t* kPaginaInicial = L"Pontilha.pt.html";
inline constexpr const wchar_t* kAtalho = L"Pontilha.lnk";
inline constexpr const wchar_t* kNomeExibido = L"Pontilha 1.0";
inline constexpr const wchar_t* kDesinstalador = L"Pontilha.exe";
inline constexpr const wchar_t* kChaveDesinstalacao =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pontilha 1.0";
inline constexpr const wchar_t* kVersaoExibida = L"1.0";
inline constexpr const wchar_t* kFabricante = KT_FABRICANTE;
inline constexpr const wchar_t* kLinkAjuda = L"helplink";
inline constexpr const wchar_t* kEnderecoWeb = L"https://www.quarvel.com.br/pontilha/";
inline constexpr const wchar_t* kNomeDescricao = L"kt.ikt";
inline constexpr const wchar_t* kDiretorioPadrao = L"Pontilha 1.0";

// Who answers for the installer, as the wizard's about page names them.
inline constexpr const wchar_t* kEmailSuporte = L"suporte@quarvel.com.br";
inline constexpr const wchar_t* kDesenvolvedor = L"Quarvel Tecnologia Educacional";
inline constexpr const wchar_t* kNomeInstalador = L"Assistente de Instalação do Pontilha";

} // namespace kt::produto
