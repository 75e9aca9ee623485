// The uninstall's removal of the installation's files and folders, on a thread of its own so that
// the window answers while it runs. What comes before and after it (the page, the shortcut and
// registry hooks, the closing message, the diary and the self-removal) is the window's, on the main
// thread: the termination notification goes on with it.
//
// What goes: the description's files and folders that the installation's diary names as written
// or created (fileops/DiarioDeInstalacao.h), so that a file of the user's under a course file's
// name, kept at installation, stays with its folder. The diary can only narrow the description's
// list, never widen it: the uninstall runs with an administrator's rights, and the diary may lie
// where a user can edit it. An installation made before the diary existed has none, and the
// description's list goes as it is. Either way the removal goes into no folder that a link has
// replaced (fileops/Remocao.h), and the new files that a killed installation left go with the
// folder they are in.
#pragma once

#include "fileops/LinhasDescricao.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/Remocao.h"
#include "instalacao/Trabalho.h"

#include <optional>
#include <string>
#include <vector>

namespace kt {

// The two steps of the removal, each with its check mark on the page.
enum class TPassoDaRemocao { Arquivos, Diretorios };

// What the removal needs of the window.
class TJanelaDaDesinstalacao : public TPaginaDoTrabalho {
public:
    // On the main thread: the step is done.
    virtual void RemocaoConcluida(TPassoDaRemocao passo) = 0;

protected:
    ~TJanelaDaDesinstalacao() = default;
};

// What the removal reads, fixed when it starts: where the rows' files are (Instalacao: the
// installation directory, from which the uninstaller runs) and the description's rows.
struct TDadosDaDesinstalacao {
    TDiretoriosDestino Destinos;
    TListaLinhas Arquivos;
    TListaLinhas Diretorios;
};

class TDesinstalacao : public TTrabalho {
public:
    TDesinstalacao(TJanelaDaDesinstalacao& janela, TDadosDaDesinstalacao dados);

    void Execute() override;

    // What the diary named, when there was one.
    const std::optional<TInstalados>& Instalados() const { return instalados_; }
    // Whether the diary, when there is one, names the file, or the folder.
    bool Escrito(const std::wstring& arquivo) const;
    bool Criada(const std::wstring& pasta) const;
    // What was to go and is still there.
    const std::vector<std::wstring>& Restantes() const { return remocao_.Restantes(); }

private:
    void RemoverArquivos();
    void RemoverDiretorios();
    void Mostrar(const std::wstring& caminho, int feitos);

    TJanelaDaDesinstalacao& janela_;
    const TDadosDaDesinstalacao dados_;
    std::optional<TInstalados> instalados_;
    TRemocao remocao_;
    int total_ = 0;
};

} // namespace kt
