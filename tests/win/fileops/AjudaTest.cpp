// The framework's help records from the registry of the test prefix: the default help of file
// operations, the Solutions Center's own help and the locate-missing-file dialog's, with the
// framework's key present and absent.
// One test, since the key is shared by every test process of the prefix.
#include "dialogs/CentralSolucoes.h"
#include "dialogs/Encontrar.h"
#include "fileops/Ajuda.h"
#include "fileops/Ansi.h"
#include "fileops/TextosFramework.h"
#include "resources/CentralSolucoesIds.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace kt;

const wchar_t* const kChave = L"Software\\Vendrel\\Utilitários Vendrel";
const wchar_t* const kChaveVendrel = L"Software\\Vendrel";

void RemoverChave() {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kChave);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kChaveVendrel);
}

// The framework's key for the length of a scope, with or without its value "LOCAL".
class ChaveDoFramework {
public:
    explicit ChaveDoFramework(const wchar_t* local) {
        HKEY chave = nullptr;
        criada_ = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kChave, 0, nullptr, 0, KEY_WRITE, nullptr,
                                  &chave, nullptr) == ERROR_SUCCESS;
        if (criada_ && local) {
            const std::wstring nome(TextoFramework(ids::kValorLocal));
            RegSetValueExW(chave, nome.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(local),
                           static_cast<DWORD>((wcslen(local) + 1) * sizeof(wchar_t)));
        }
        if (chave)
            RegCloseKey(chave);
    }
    ~ChaveDoFramework() { RemoverChave(); }
    bool Criada() const { return criada_; }

private:
    bool criada_ = false;
};

bool TodoZero(const TRegistroAjuda& ajuda) {
    const TRegistroAjuda zero{};
    return std::memcmp(&ajuda, &zero, sizeof ajuda) == 0;
}

void EsperarArquivoDeAjuda(const TRegistroAjuda& ajuda, std::int32_t contexto,
                           const std::wstring& arquivo) {
    EXPECT_EQ(ajuda.Tamanho, 534);
    EXPECT_EQ(ajuda.Tipo, kAjudaArquivoDeAjuda);
    EXPECT_EQ(ajuda.Contexto, contexto);
    EXPECT_EQ(std::string(ajuda.ArquivoAjuda), ParaAnsi(arquivo));
    EXPECT_EQ(ajuda.Parametros[0], '\0');
}

TEST(AjudaDoFramework, FollowsTheRegistryKeyOfTheFramework) {
    RemoverChave();
    {
        TRegistroAjuda ajuda;
        std::memset(&ajuda, 0x5A, sizeof ajuda);
        PreencherAjudaPadrao(ajuda);
        EXPECT_TRUE(TodoZero(ajuda)) << "key absent";
        TfrmCentralSolucoes central;
        EXPECT_TRUE(TodoZero(central.AjudaPropria()));
        // "&?" stays enabled; pressed, it launches nothing.
        EXPECT_TRUE(IsWindowEnabled(central.Item(IDC_BitBtn1)));
    }
    {
        const wchar_t* const local = L"C:\\Vendrel\\Utilitários\\";
        ChaveDoFramework chave(local);
        ASSERT_TRUE(chave.Criada());
        TRegistroAjuda ajuda;
        PreencherAjudaPadrao(ajuda);
        EsperarArquivoDeAjuda(ajuda, kContextoPadrao, std::wstring(local) + L"KT.hlp");
        TfrmCentralSolucoes central;
        EsperarArquivoDeAjuda(central.AjudaPropria(), kContextoCentral,
                              std::wstring(local) + L"KT.hlp");
        // What the locate-missing-file dialog's "&Ajuda" launches.
        TfrmEncontrar encontrar(L"C:\\Origem\\foto1.jpg");
        EsperarArquivoDeAjuda(encontrar.Ajuda(), kContextoEncontrar,
                              std::wstring(local) + L"KT.hlp");
    }
    {
        ChaveDoFramework chave(nullptr);
        ASSERT_TRUE(chave.Criada());
        TRegistroAjuda ajuda;
        PreencherAjudaPadrao(ajuda);
        EsperarArquivoDeAjuda(ajuda, kContextoPadrao, L"KT.hlp");
    }
    {
        const std::wstring longo = L"C:\\" + std::wstring(300, L'v') + L"\\";
        ChaveDoFramework chave(longo.c_str());
        TRegistroAjuda ajuda;
        PreencherAjudaPadrao(ajuda);
        EXPECT_EQ(std::string(ajuda.ArquivoAjuda), ParaAnsi(longo.substr(0, 260)));
    }
    HKEY chave = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kChave, 0, KEY_READ, &chave), ERROR_SUCCESS);
}

} // namespace
