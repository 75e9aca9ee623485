#include "fileops/VersaoArquivo.h"

#include "fileops/ErrosArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"
#include "base/Owned.h"
#include "ui/SystemLibraries.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace kt {

namespace {

// The version library of the system directory, loaded for the call: a setup program runs next to
// whatever else was downloaded, and must not pick up a version.dll lying beside it.
class TBibliotecaVersao {
public:
    TBibliotecaVersao() : biblioteca_(ui::LoadSystemLibrary(L"version.dll")) {
        if (!biblioteca_)
            GerarUltimoErroWindows();
        Tamanho = Funcao<decltype(&GetFileVersionInfoSizeW)>("GetFileVersionInfoSizeW");
        Ler = Funcao<decltype(&GetFileVersionInfoW)>("GetFileVersionInfoW");
        Consultar = Funcao<decltype(&VerQueryValueW)>("VerQueryValueW");
    }

    decltype(&GetFileVersionInfoSizeW) Tamanho = nullptr;
    decltype(&GetFileVersionInfoW) Ler = nullptr;
    decltype(&VerQueryValueW) Consultar = nullptr;

private:
    template <class F>
    F Funcao(const char* nome) const {
        FARPROC funcao = GetProcAddress(biblioteca_.Get(), nome);
        if (!funcao)
            GerarUltimoErroWindows();
        return reinterpret_cast<F>(reinterpret_cast<void*>(funcao));
    }

    base::UniqueLibrary biblioteca_;
};

// The version resource of a loaded module, copied; empty when the module is not loaded.
std::vector<BYTE> VersaoDoModulo(const std::wstring& nome) {
    HMODULE modulo = GetModuleHandleW(nome.c_str());
    if (!modulo)
        return {};
    HRSRC recurso = FindResourceW(modulo, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    if (!recurso)
        GerarUltimoErroWindows();
    const DWORD tamanho =
        VerificarHandle(static_cast<std::uint32_t>(SizeofResource(modulo, recurso)));
    HGLOBAL carregado = LoadResource(modulo, recurso);
    const void* dados = carregado ? LockResource(carregado) : nullptr;
    if (!dados)
        GerarUltimoErroWindows();
    std::vector<BYTE> bloco(tamanho);
    std::memcpy(bloco.data(), dados, tamanho);
    return bloco;
}

// The version information of a file; empty when the file has none.
std::vector<BYTE> VersaoDoArquivo(const TBibliotecaVersao& versao, const std::wstring& nome) {
    DWORD ignorado = 0;
    const DWORD tamanho = versao.Tamanho(nome.c_str(), &ignorado);
    if (tamanho == 0)
        return {};
    std::vector<BYTE> bloco(tamanho);
    VerificarResultado(versao.Ler(nome.c_str(), 0, tamanho, bloco.data()));
    return bloco;
}

TVersaoArquivo Numeros(DWORD maisSignificativo, DWORD menosSignificativo) {
    TVersaoArquivo numeros;
    numeros.Maior = HIWORD(maisSignificativo);
    numeros.Menor = LOWORD(maisSignificativo);
    numeros.Distribuicao = HIWORD(menosSignificativo);
    numeros.Construcao = LOWORD(menosSignificativo);
    return numeros;
}

} // namespace

bool LerVersaoArquivo(std::wstring_view nomeArquivo, bool doModulo, TVersaoArquivo* versaoArquivo,
                      TVersaoArquivo* versaoProduto) {
    bool resultado = false;
    const TRegistroAjuda ajuda = AjudaSemArquivo(kContextoPadrao);
    const std::wstring nome(nomeArquivo);
    ExecutarRelatando(ajuda, kLinhasVersao, nome, [&] {
        VerificarCaminho(nome);
        const TBibliotecaVersao versao;
        std::vector<BYTE> bloco = doModulo ? VersaoDoModulo(nome) : VersaoDoArquivo(versao, nome);
        if (bloco.empty())
            return;
        void* raiz = nullptr;
        UINT tamanho = 0;
        resultado = versao.Consultar(bloco.data(), L"\\", &raiz, &tamanho) != FALSE && raiz &&
                    tamanho >= sizeof(VS_FIXEDFILEINFO);
        if (!resultado)
            return;
        const auto* fixa = static_cast<const VS_FIXEDFILEINFO*>(raiz);
        if (versaoArquivo)
            *versaoArquivo = Numeros(fixa->dwFileVersionMS, fixa->dwFileVersionLS);
        if (versaoProduto)
            *versaoProduto = Numeros(fixa->dwProductVersionMS, fixa->dwProductVersionLS);
    });
    return resultado;
}

} // namespace kt
