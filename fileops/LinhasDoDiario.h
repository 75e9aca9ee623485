// The installation's diary: a plain record, beside the installed program, of the files that the
// installations wrote there and of the folders that they created, one a line ("arquivo C:\...",
// "pasta C:\..."). Each installation adds its own lines as it goes, so that a reinstall's record
// is the old one and what it wrote, and a run killed halfway still leaves what it did; a run that
// stops or fails takes its own lines back. The uninstall removes only what the diary names.
// Reading and writing the file is fileops/DiarioDeInstalacao.h's work. Portable: no Win32 here.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace kt {

// The diary's file name, in the installation directory.
inline constexpr const wchar_t* kArquivoDoDiario = L"kt-instalacao.txt";

// A line of the diary, ended by CR LF.
std::wstring LinhaDoArquivo(std::wstring_view arquivo);
std::wstring LinhaDaPasta(std::wstring_view pasta);

// What a diary names. Only whole lines count: a line cut short by a killed run names nothing.
// Paths are compared as Windows compares them, without regard to case (ASCII and Latin-1), and a
// folder with or without its trailing delimiter.
class TInstalados {
public:
    static TInstalados Ler(std::wstring_view texto);

    bool ArquivoEscrito(std::wstring_view arquivo) const;
    bool PastaCriada(std::wstring_view pasta) const;

private:
    std::set<std::wstring> arquivos_;
    std::set<std::wstring> pastas_;
};

} // namespace kt
