// The directory browser: a drive box, a directory list, a path box, and tools to create a folder,
// delete a directory and go to the user's documents folder. EscolherDiretorio shows it.
#pragma once

#include "dialogs/NovaPasta.h"
#include "fileops/Ajuda.h"
#include "ui/Action.h"
#include "ui/Anchors.h"
#include "ui/DirectoryList.h"
#include "ui/DriveBox.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"
#include "ui/ToolBar.h"

#include <cstdint>
#include <string>

namespace kt {

// The options of EscolherDiretorio, one bit each; other bits have no effect.
inline constexpr std::int32_t kOpcaoSemDrives = 4;
inline constexpr std::int32_t kOpcaoRedimensionavel = 8;
inline constexpr std::int32_t kOpcaoSemFerramentas = 16;

class TfrmAbrirDir : public ui::Form {
public:
    // The browser keeps the new-folder window that its "&Nova Pasta" opens.
    explicit TfrmAbrirDir(TfrmNovaPasta& novaPasta);

    // Opens the list at the directory; when it names none that can be read, at the program's own
    // directory.
    void AbrirEm(const std::wstring& diretorio);
    void AplicarOpcoes(std::int32_t opcoes);
    // The captions and hints; the window's caption is the given one unless it is blank.
    void AplicarTextos(const std::wstring& titulo);
    // Shows the browser centred on the screen until it closes.
    void Exibir();

    // Set by "&Abrir", with the path of the path box as it was typed.
    bool Escolhido = false;
    std::wstring Caminho;

    const ui::ToolBar& BarraFerramentas() const { return barraFerramentas_; }
    const ui::PopupMenu& PopupDiretorios() const { return popupDiretorios_; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CriarAcoes();
    void PrepararControles();
    void Ancorar();
    void DiretorioMudou();
    bool EscolherDrive(const std::wstring& raiz);
    void IrParaOCaminho();
    void CriarPasta();
    void Excluir();
    void IrParaMeusDocumentos();
    void Abrir();
    // A drive's root, the Windows directory and the program's own directory are never deleted.
    bool PodeExcluir() const;

    TfrmNovaPasta& novaPasta_;
    TRegistroAjuda ajuda_{};
    ui::Action NovaPasta;
    ui::Action actExcluir;
    ui::Action actMeusDocumentos;
    ui::Action actAbrir;
    ui::Action actCancelar;
    ui::Action acaoAjuda;
    ui::DriveBox drives_;
    ui::DirectoryList diretorios_;
    ui::ToolBar barraFerramentas_;
    ui::PopupMenu popupDiretorios_;
    ui::Anchors ancoras_;
};

} // namespace kt
