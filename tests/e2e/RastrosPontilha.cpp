#include "tests/e2e/RastrosPontilha.h"

#include "core/program/Produto.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/Registro.h"

#include <windows.h>
#include <shlobj.h>

namespace e2e {
namespace {

std::wstring PastaEspecial(int csidl) {
    wchar_t pasta[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, pasta);
    return std::wstring(pasta) + L"\\";
}

} // namespace

std::array<std::wstring, 2> AtalhosDoPontilha() {
    return {PastaEspecial(CSIDL_PROGRAMS) + kt::produto::kAtalho,
            PastaEspecial(CSIDL_DESKTOPDIRECTORY) + kt::produto::kAtalho};
}

void LimparPontilha(const std::wstring& pasta) {
    RemoverPasta(pasta);
    for (const std::wstring& atalho : AtalhosDoPontilha())
        DeleteFileW(atalho.c_str());
    ApagarChaveDe32Bits(kt::produto::kChaveDesinstalacao);
}

} // namespace e2e
