// The publisher's name, in the one form that both the compiler and the resource compiler read:
// the Uninstall entry's Publisher (Produto.h) and the version information's CompanyName
// (resources/VersaoPontilha.rc) are this text, and a release's certificate must name it too.
#pragma once

#define KT_FABRICANTE L"Quarvel"
