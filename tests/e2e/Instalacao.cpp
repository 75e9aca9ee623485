#include "tests/e2e/Instalacao.h"

#include "core/ArquivosIAC/ConteudoPontilha.h"
#include "core/program/Produto.h"
#include "core/program/RotinasPontilha.h"
#include "fileops/Texto.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace e2e {

std::vector<std::wstring> ArquivosDoCurso() {
    std::vector<std::wstring> arquivos;
    for (const kt::TArquivoDoSite& arquivo : kt::kArquivosDoSite) {
        const std::wstring sub = arquivo.Subdiretorio;
        arquivos.push_back(sub.empty() ? arquivo.Nome : sub + L"\\" + arquivo.Nome);
    }
    return arquivos;
}

void InstalarPontilhaAMao(const std::wstring& pasta) {
    const std::filesystem::path fontes(KT_FONTES_PAYLOAD);
    for (const std::wstring& arquivo : ArquivosDoCurso()) {
        const std::filesystem::path destino = std::filesystem::path(pasta) / arquivo;
        std::filesystem::create_directories(destino.parent_path());
        std::filesystem::copy_file(fontes / arquivo, destino,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    kt::CriarAtalhoMenuIniciar(pasta);
    kt::CriarAtalhoAreaDeTrabalho(pasta);
    kt::RegistrarDesinstalacao(pasta);
}

std::vector<std::wstring> AtalhosDoProduto() {
    std::vector<std::wstring> atalhos;
    for (const int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS}) {
        wchar_t pasta[MAX_PATH] = {};
        SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, pasta);
        atalhos.push_back(std::wstring(pasta) + L"\\" + kt::produto::kAtalho);
    }
    return atalhos;
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
