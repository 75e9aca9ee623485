#include "tests/e2e/RastrosPontilha.h"

#include "core/produto/Produto.h"
#include "fileops/Texto.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/Registro.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

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

// Wine's uninstaller lists "key|||display name", one program a line, on its standard output.
bool NaListaDeProgramas() {
    const std::unique_ptr<FILE, int (*)(FILE*)> lista(_wpopen(L"uninstaller.exe --list", L"rb"),
                                                      &_pclose);
    if (!lista)
        throw std::runtime_error("não foi possível listar os programas instalados");
    std::string saida;
    for (int c; (c = std::fgetc(lista.get())) != EOF;)
        saida += static_cast<char>(c);
    return saida.find("|||" + kt::Utf8(kt::produto::kNomeExibido) + "\r\n") != std::string::npos;
}

} // namespace e2e
