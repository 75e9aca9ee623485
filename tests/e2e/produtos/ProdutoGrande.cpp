// A wizard that installs many large files, each decompressed from the one container beside it,
// and writes an Uninstall entry of its own from its registry hook: an installation long enough to
// be watched and stopped in the middle.
#include "core/ArquivosIAC/Descricao.h"
#include "fileops/Caminhos.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "base/Exception.h"

#include <windows.h>

namespace {

void PreencherGrande(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    kt::TConfiguracaoInstalacao& c = descricao.Configuracao;
    c.NumeroDeDiscos = 1;
    c.ModoAutoRemocao = 2;
    c.DiretorioDeInstalacao = diretorioPrograma;
    c.PermiteReinstalar = true;
    c.TituloDaJanela = produtos::kTituloGrande;
    c.NomeDoDiretorioPadrao = produtos::kDiretorioGrande;
    descricao.Componentes.Adicionar(L"Dados, Todos os arquivos, sim, sim, sim, não");
    descricao.Diretorios.Adicionar(std::wstring(produtos::kPastaDosDados) + L", 0, 0, sim");
    descricao.Arquivos.Adicionar(std::wstring(produtos::kProdutoGrande) + L", 0, copiar, Base, , " +
                                 produtos::kProdutoGrande + L", 1, 1, sim");
    for (int i = 0; i < produtos::kArquivosGrandes; ++i) {
        const std::wstring alvo = produtos::ArquivoGrande(i);
        descricao.Arquivos.Adicionar(std::wstring(produtos::kConteinerGrande) +
                                     L", 0, zlib, Base, " + std::wstring(kt::PastaDe(alvo)) +
                                     L", " + std::wstring(kt::NomeDe(alvo)) + L", 1, 1, sim");
    }
}

void RegistrarGrande(const std::wstring&) {
    HKEY chave = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, produtos::kChaveGrande, 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &chave, nullptr) != ERROR_SUCCESS)
        throw base::Exception(L"A chave do produto grande não pôde ser criada.");
    const std::wstring nome = produtos::kNomeGrande;
    RegSetValueExW(chave, L"DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(nome.c_str()),
                   static_cast<DWORD>((nome.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(chave);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kt::TRotinasProduto rotinas{};
    rotinas.RegistrarProduto = RegistrarGrande;
    return produtos::ExecutarProdutoDeTeste(PreencherGrande, rotinas);
}
