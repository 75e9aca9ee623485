// The window templates of the program's resources: a top-level window's template is not visible.
// A form creates its window from the template and shows it when it is ready; a template with
// WS_VISIBLE is shown at its creation and hidden again at once, a flash on Windows and, under Wine
// without a window manager, two seconds of waiting for the X server to confirm the hiding.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TModelo {
    std::wstring Nome;
    DWORD Estilo;
};

// DLGTEMPLATEEX begins with its version 1 and the signature 0xFFFF, then the help id, the
// extended style and the style; the older DLGTEMPLATE begins with the style.
DWORD EstiloDoModelo(const void* dados) {
    const auto* palavras = static_cast<const WORD*>(dados);
    if (palavras[0] == 1 && palavras[1] == 0xFFFF)
        return *reinterpret_cast<const DWORD*>(palavras + 6);
    return *static_cast<const DWORD*>(dados);
}

BOOL CALLBACK Coletar(HMODULE modulo, LPCWSTR, LPWSTR nome, LONG_PTR lista) {
    HRSRC recurso = FindResourceW(modulo, nome, RT_DIALOG);
    const void* dados = recurso ? LockResource(LoadResource(modulo, recurso)) : nullptr;
    if (dados)
        reinterpret_cast<std::vector<TModelo>*>(lista)->push_back(
            {IS_INTRESOURCE(nome) ? std::to_wstring(reinterpret_cast<ULONG_PTR>(nome)) : nome,
             EstiloDoModelo(dados)});
    return TRUE;
}

TEST(Modelos, NoTopLevelWindowTemplateIsVisible) {
    std::vector<TModelo> modelos;
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_DIALOG, &Coletar,
                       reinterpret_cast<LONG_PTR>(&modelos));
    int deTopo = 0;
    for (const TModelo& modelo : modelos) {
        if (modelo.Estilo & WS_CHILD)
            continue;
        ++deTopo;
        EXPECT_FALSE(modelo.Estilo & WS_VISIBLE)
            << "modelo " << std::string(modelo.Nome.begin(), modelo.Nome.end());
    }
    // The wizard's, the Solutions Center's and the tests' own.
    EXPECT_GE(deTopo, 3);
}

} // namespace
