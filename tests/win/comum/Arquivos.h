// Files and folders for the Windows tests: a temporary folder of a test's own, whole files read
// and written, and the test programs built beside the test executable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace teste {

// A new folder in the temporary directory, named after the test and the process, removed with
// everything in it by the destructor (which waits a few seconds for it to be free).
class PastaTemporaria {
public:
    explicit PastaTemporaria(std::wstring_view nome);
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    // The folder, ending with a backslash.
    const std::wstring& Caminho() const { return caminho_; }
    // A path inside the folder.
    std::wstring operator/(std::wstring_view nome) const { return caminho_ + std::wstring(nome); }

private:
    std::wstring caminho_;
};

// A file held open for reading and writing and shared with nobody, for as long as the object
// lives: another program that has locked it.
class ArquivoPreso {
public:
    explicit ArquivoPreso(const std::wstring& caminho);
    ~ArquivoPreso();
    ArquivoPreso(const ArquivoPreso&) = delete;
    ArquivoPreso& operator=(const ArquivoPreso&) = delete;
    bool Preso() const;

private:
    void* handle_;
};

bool Existe(const std::wstring& caminho);
bool GravarArquivo(const std::wstring& caminho, std::string_view bytes);
// A file of that many bytes with nothing written (sparse where the file system allows it).
bool GravarArquivoVazio(const std::wstring& caminho, long long tamanho);
std::string LerArquivo(const std::wstring& caminho);
// Removes the folder and everything in it; read-only files too.
void RemoverArvore(const std::wstring& pasta);
// The root of the small disk that the test's set-up mounted (tests/win/disco_cheio.sh), as the
// environment's KT_DISCO_CHEIO names it ("K:\\"); empty when there is none, and then `motivo`
// says why.
std::wstring DiscoCheio(std::string& motivo);

// The names in the folder (ending with a backslash), sorted; none for a folder that is not there.
std::vector<std::wstring> Nomes(const std::wstring& pasta);

// A program or library of the build, beside the running test executable ("kt_prog_dormir.exe").
std::wstring ProgramaDeTeste(std::wstring_view nome);

std::string ParaUtf8(std::wstring_view texto);
std::wstring DeUtf8(std::string_view texto);

} // namespace teste
