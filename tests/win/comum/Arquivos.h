// Files for the Windows tests: whole files read and written, and the test programs built beside
// the test executable; and the temporary folder of a test's own (tests/unit/PastaTemporaria.h).
#pragma once

#include "tests/unit/PastaTemporaria.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teste {

// A file held open for reading and writing, shared with nobody unless told, for as long as the
// object lives: another program that has locked it.
class ArquivoPreso {
public:
    explicit ArquivoPreso(const std::wstring& caminho, unsigned long compartilhado = 0);
    ~ArquivoPreso();
    ArquivoPreso(const ArquivoPreso&) = delete;
    ArquivoPreso& operator=(const ArquivoPreso&) = delete;
    bool Preso() const;

private:
    void* handle_;
};

bool Existe(const std::wstring& caminho);
bool GravarArquivo(const std::wstring& caminho, std::string_view bytes);
bool GravarBytes(const std::wstring& caminho, const std::vector<std::uint8_t>& bytes);
// A file of that many bytes with nothing written (sparse where the file system allows it).
bool GravarArquivoVazio(const std::wstring& caminho, long long tamanho);
std::string LerArquivo(const std::wstring& caminho);
std::string ComoTexto(const std::vector<std::uint8_t>& bytes);

// The root of the small disk that the test's set-up mounted (tests/win/disco_cheio.sh), as the
// environment's KT_DISCO_CHEIO names it ("K:\\"); empty when there is none, and then `motivo`
// says why.
std::wstring DiscoCheio(std::string& motivo);

// An entry of a folder: a file with its size, or a folder.
struct TEntrada {
    std::wstring Nome;
    bool Pasta = false;
    std::uint64_t Tamanho = 0;
};

// The entries of the folder (ending with a backslash) whose names match the pattern, in the
// order the file system gives them, "." and ".." left out; none for a folder that is not there.
std::vector<TEntrada> Entradas(const std::wstring& pasta, std::wstring_view padrao = L"*");

// The names in the folder (ending with a backslash), sorted; none for a folder that is not there.
std::vector<std::wstring> Nomes(const std::wstring& pasta);

// A program or library of the build, beside the running test executable ("kt_prog_dormir.exe").
std::wstring ProgramaDeTeste(std::wstring_view nome);

std::wstring DeUtf8(std::string_view texto);

// Makes the path a symbolic link to the target from the Linux side, as Wine's programs cannot
// (Wine shows such a link with the reparse-point attribute). False when it could not. The link
// goes only from the Linux side too: Wine's RemoveDirectory answers yes and leaves it.
bool LigarPeloLinux(const std::wstring& link, const std::wstring& alvo);
void DesligarPeloLinux(const std::wstring& link);

} // namespace teste
