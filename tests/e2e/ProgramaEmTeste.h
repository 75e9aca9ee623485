// A program under test, run the way a user runs a downloaded installer: copied into a fresh folder
// of its own and started there. Its windows are found by caption within its own process, so that
// tests may run side by side; every wait has a time limit, and a program still running when the
// test ends is ended.
#pragma once

#include "tests/unit/PastaTemporaria.h"
#include "tests/win/comum/Janelas.h"
#include "base/Owned.h"

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

using namespace std::chrono_literals;
using teste::Prazo;

// The build's folder of programs (a Windows path), from the environment variable KT_PROGRAMAS.
std::wstring PastaDosProgramas();

// The folder of the running test: C:\e2e\<suite>.<test>\.
std::wstring PastaDoTeste();
// A folder beside it, for what the test installs or keeps apart: C:\e2e\<suite>.<test>.<nome>\.
std::wstring PastaAoLado(const std::wstring& nome);
// Removes the folder with everything in it, read-only files too, if it is there.
using teste::RemoverPasta;

// The folder, ending with a backslash, where an installation left a program.
struct Instalado {
    std::wstring Pasta;
};

class ProgramaEmTeste {
public:
    // Empties the test's folder and copies the program there under its own name, or into the
    // subfolder of it that the path below it names (made with its parents).
    explicit ProgramaEmTeste(const std::wstring& programa, const std::wstring& subpasta = {});
    // The program where an installation left it, run there as the list of installed programs
    // runs it; nothing is copied or emptied.
    ProgramaEmTeste(const std::wstring& programa, const Instalado& instalado);
    ~ProgramaEmTeste();
    ProgramaEmTeste(const ProgramaEmTeste&) = delete;
    ProgramaEmTeste& operator=(const ProgramaEmTeste&) = delete;

    // The program's folder, ending with a backslash.
    const std::wstring& Pasta() const { return pasta_; }
    // The program's own path.
    std::wstring Caminho() const { return pasta_ + programa_; }
    // Renames the program's copy, as a browser names a second download ("Pontilha (2).exe").
    void Renomear(const std::wstring& nome);
    // A file beside the program, with the given bytes.
    void CriarArquivo(const std::wstring& nome, const std::string& conteudo) const;

    // Starts the program in its folder, or in another working directory.
    void Iniciar(const std::wstring& diretorioDeTrabalho = {});
    DWORD Processo() const { return processo_; }

    // Waits for the wizard's window with that caption.
    HWND EsperarJanela(const std::wstring& titulo);
    // The same, and then for the operation page.
    HWND EsperarAssistente(const std::wstring& titulo);
    HWND Janela() const { return janela_; }
    HWND Controle(int id) const { return teste::Controle(janela_, id); }
    std::wstring Texto(int id) const { return teste::Texto(Controle(id)); }
    bool Visivel(int id) const { return teste::Visivel(Controle(id)); }
    bool Habilitado(int id) const { return teste::Habilitado(Controle(id)); }
    bool Marcado(int id) const { return teste::Marcado(Controle(id)); }

    // Waits until the scene with that id is the one shown.
    bool EsperarCena(int cena, Prazo prazo = teste::kPrazoPadrao) const;
    // The id of the scene shown, or 0.
    int CenaVisivel() const;
    void Clicar(int id) const { teste::Clicar(Controle(id)); }
    void FecharJanela() const { teste::Fechar(janela_); }
    // Closes the wizard through its close query, answering yes, and waits for the program's end;
    // answers whether it ended.
    bool FecharConfirmando() const;

    // A visible message box (or other window) of the program with that caption; null after the
    // time limit.
    HWND EsperarCaixa(const std::wstring& titulo, Prazo prazo = teste::kPrazoPadrao) const;
    // Whether any window of the program with that caption is showing now.
    bool HaJanela(const std::wstring& titulo) const;

    // From the operation page: "Instalar / Reinstalar", the directory typed in on the options page,
    // and "&Instalar". False when a page did not come.
    bool Instalar(const std::wstring& diretorio);
    // The message box "Informação" that ends an installation: waits for it, reads its text and
    // answers OK. Empty when none came in time.
    std::wstring ResponderInformacao(Prazo prazo = teste::kPrazoPadrao);

    // Kills the program, as a crash or the task manager would, at a moment when the condition
    // holds: its threads are held while the condition is looked at once more. False when the
    // condition never held in time.
    bool MatarQuando(const std::function<bool()>& condicao, Prazo prazo = teste::kPrazoPadrao);

    // Waits for the program to end; answers whether it did, and its exit code.
    bool EsperarFim(DWORD& codigo, Prazo prazo = teste::kPrazoPadrao) const;

    // A screenshot of the window, named after the test and the step.
    void Capturar(HWND janela, const std::wstring& passo) const;
    void Capturar(const std::wstring& passo) const { Capturar(janela_, passo); }
    // A screenshot named only by the given name.
    void CapturarComo(HWND janela, const std::wstring& nome) const;

private:
    std::wstring programa_;
    std::wstring pasta_;
    base::UniqueHandle processoAberto_;
    DWORD processo_ = 0;
    HWND janela_ = nullptr;
};

} // namespace e2e
