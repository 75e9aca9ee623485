#include "tests/e2e/Instalacao.h"

#include "core/ArquivosIAC/ConteudoPontilha.h"
#include "core/program/Produto.h"
#include "core/program/RotinasPontilha.h"
#include "fileops/Texto.h"
#include "ui/Owned.h"

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
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
    SECURITY_ATTRIBUTES herdavel{sizeof herdavel, nullptr, TRUE};
    ui::UniqueHandle leitura;
    ui::UniqueHandle escrita;
    if (!CreatePipe(leitura.Put(), escrita.Put(), &herdavel, 0))
        throw std::runtime_error("não foi possível criar o tubo da lista de programas");
    SetHandleInformation(leitura.Get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    inicio.dwFlags = STARTF_USESTDHANDLES;
    inicio.hStdOutput = escrita.Get();
    inicio.hStdError = escrita.Get();
    PROCESS_INFORMATION processo{};
    std::wstring linha = L"uninstaller.exe --list";
    if (!CreateProcessW(nullptr, linha.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &inicio, &processo))
        throw std::runtime_error("não foi possível listar os programas instalados");
    const ui::UniqueHandle tarefa(processo.hThread);
    const ui::UniqueHandle listagem(processo.hProcess);
    escrita.Reset();
    std::string saida;
    char bloco[4096];
    DWORD lidos = 0;
    while (ReadFile(leitura.Get(), bloco, sizeof bloco, &lidos, nullptr) && lidos > 0)
        saida.append(bloco, lidos);
    WaitForSingleObject(listagem.Get(), 10000);
    return saida.find("|||" + kt::Utf8(kt::produto::kNomeExibido) + "\r\n") != std::string::npos;
}

} // namespace e2e
