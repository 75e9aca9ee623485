// The two installers that tools/bench_nsis.sh compares, driven from outside through their windows
// as a user would drive them: our wizard and NSIS's installer of the same files. The driver runs
// in the same Wine virtual desktop as they do (windows are found per desktop), posts its clicks and
// polls what it waits for about once a millisecond.
//
// How a round goes, for either program: the installer is copied into a fresh folder and started;
// the start-up ends when its first page shows with its controls. Then the installation folder is
// typed, and the installation runs from the click that starts the copy to the final message (ours)
// or the completed page (NSIS). The installed uninstaller is started, and the uninstall runs from
// its click to the moment the installation folder is gone. Both installers put their uninstaller,
// the one program among the installed files, at the root of the installation folder.
#pragma once

#include "base/Owned.h"

#include <windows.h>

#include <string>

namespace kt::bench {

// A program started by the driver; ended by the destructor if it is still running.
class TProcesso {
public:
    // Starts the program in its own folder. With rastrear, Wine writes every heap call and window
    // call of the process to its standard error (the "heap" and "win" debug channels), which the
    // script sends to a file.
    explicit TProcesso(const std::wstring& programa, bool rastrear = false);
    ~TProcesso();
    TProcesso(const TProcesso&) = delete;
    TProcesso& operator=(const TProcesso&) = delete;

    DWORD Id() const { return id_; }
    // The clock (Agora) just before the process was created.
    double Inicio() const { return inicio_; }
    bool EsperarFim(DWORD milissegundos) const;
    void Terminar() const;

private:
    base::UniqueHandle processo_;
    DWORD id_ = 0;
    double inicio_ = 0;
};

// What the driver must know of an installer to take it through a round. Every wait polls one of
// these; none of them waits itself.
class TRoteiro {
public:
    virtual ~TRoteiro() = default;

    virtual const wchar_t* Nome() const = 0;

    // The first page and its controls are on screen.
    virtual bool PrimeiraPagina(DWORD processo) const = 0;
    // From the first page, takes the installer to the page whose button starts the copy, with the
    // installation folder typed in; false if it does not get there.
    virtual bool PrepararInstalacao(DWORD processo, const std::wstring& destino) const = 0;
    // Posts the click that starts the copy.
    virtual void Instalar(DWORD processo) const = 0;
    // The final message or page is on screen.
    virtual bool InstalacaoTerminada(DWORD processo) const = 0;
    // Dismisses the final message or page, after which the installer ends.
    virtual void Concluir(DWORD processo) const = 0;

    // The uninstaller's first page is on screen, ready for the click (in any process: NSIS's
    // uninstaller runs from a copy of itself).
    virtual bool DesinstaladorPronto(DWORD processo) const = 0;
    virtual void Desinstalar(DWORD processo) const = 0;
    // Answers what the uninstaller shows while the folder goes (a message, a page to close).
    virtual void AtenderDesinstalacao(DWORD processo) const = 0;
    // Some window of the uninstaller is still open.
    virtual bool DesinstaladorAberto(DWORD processo) const = 0;
};

class TRoteiroNosso : public TRoteiro {
public:
    const wchar_t* Nome() const override { return L"nosso"; }
    bool PrimeiraPagina(DWORD processo) const override;
    bool PrepararInstalacao(DWORD processo, const std::wstring& destino) const override;
    void Instalar(DWORD processo) const override;
    bool InstalacaoTerminada(DWORD processo) const override;
    void Concluir(DWORD processo) const override;
    bool DesinstaladorPronto(DWORD processo) const override;
    void Desinstalar(DWORD processo) const override;
    void AtenderDesinstalacao(DWORD processo) const override;
    bool DesinstaladorAberto(DWORD processo) const override;
};

class TRoteiroNsis : public TRoteiro {
public:
    const wchar_t* Nome() const override { return L"NSIS"; }
    bool PrimeiraPagina(DWORD processo) const override;
    bool PrepararInstalacao(DWORD processo, const std::wstring& destino) const override;
    void Instalar(DWORD processo) const override;
    bool InstalacaoTerminada(DWORD processo) const override;
    void Concluir(DWORD processo) const override;
    bool DesinstaladorPronto(DWORD processo) const override;
    void Desinstalar(DWORD processo) const override;
    void AtenderDesinstalacao(DWORD processo) const override;
    bool DesinstaladorAberto(DWORD processo) const override;
};

} // namespace kt::bench
