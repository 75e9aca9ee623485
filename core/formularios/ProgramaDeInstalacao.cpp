#include "core/formularios/ProgramaDeInstalacao.h"

#include "core/formularios/ExecutarAssistente.h"
#include "dialogs/CentralSolucoes.h"
#include "core/formularios/TextosAssistente.h"
#include "dialogs/ServicosKT.h"
#include "fileops/ErrosArquivo.h"
#include "ui/Application.h"
#include "base/Owned.h"
#include "ui/SystemLibraries.h"

#include <windows.h>

#include <exception>
#include <utility>

namespace kt {

namespace {

// The product's wizard running now, in any session of the machine: a named mutex in the global
// namespace, held until the process ends. A name that exists but cannot be opened (made by
// somebody else with other rights) counts as taken.
class TAssistenteUnico {
public:
    explicit TAssistenteUnico(const std::wstring& produto) {
        if (produto.empty())
            return;
        mutex_.Reset(CreateMutexW(nullptr, FALSE, (L"Global\\" + produto).c_str()));
        const DWORD erro = GetLastError();
        if (!mutex_ && erro != ERROR_ACCESS_DENIED)
            GerarErroWindows(erro);
        outro_ = !mutex_ || erro == ERROR_ALREADY_EXISTS;
    }

    bool OutroEmExecucao() const { return outro_; }

private:
    base::UniqueHandle mutex_;
    bool outro_ = false;
};

} // namespace

int ExecutarProgramaDeInstalacao(const std::wstring& nomeDescricao, const TRotinasProduto& rotinas,
                                 TConteudoDescricao conteudo, const std::wstring& produto) {
    // Before anything can load a DLL: a setup program runs next to whatever was downloaded.
    ui::LoadDllsFromSystemDirectoryOnly();
    const ui::PreloadedSystemLibraries precarregadas;
    try {
        const ui::Application::Session sessao;
        const TAssistenteUnico unico(produto);
        if (unico.OutroEmExecucao()) {
            namespace textos = textos_assistente;
            ui::Application::ShowMessageBox(textos::kAssistenteEmExecucao, textos::kInformacao,
                                            MB_OK | MB_ICONINFORMATION);
            return 0;
        }
        const TCentralSolucoesDoPrograma central;
        const TServicosDeJanelaInstalados janelas(ServicosDeJanelaDoFramework());
        ExecutarAssistente(nomeDescricao, rotinas, std::move(conteudo));
    } catch (...) {
        ui::Application::HandleException(std::current_exception());
        return 1;
    }
    return 0;
}

} // namespace kt
