// The rows of the installation description: the words and columns that the wizard and the copy
// worker read, a list of rows, and where a file row's file goes. Portable: no Win32 here.
#pragma once

#include "fileops/Campos.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kt {

// The yes/no and state words of the rows, compared exactly ("não" with the cp1252 ã).
inline constexpr const wchar_t* kSim = L"sim";
inline constexpr const wchar_t* kNao = L"não";
inline constexpr const wchar_t* kRemover = L"remover";

// The source by which a plain-copy row names the running program itself: the row that installs the
// uninstaller copies the file that runs, whatever its name on disk.
inline constexpr const wchar_t* kProprioPrograma = L"Pontilha.exe";

// Kind (column 2) and base (column 3) of a file row, compared in lower case.
inline constexpr const wchar_t* kTipoRcdata = L"rcdata";
inline constexpr const wchar_t* kTipoZlib = L"zlib";
inline constexpr const wchar_t* kBaseSistema = L"winsys";
inline constexpr const wchar_t* kBaseWindows = L"win";

namespace coluna_componente {
inline constexpr int kNome = 0;
inline constexpr int kDescricao = 1;
inline constexpr int kCompacta = 2;
inline constexpr int kNormal = 3;
inline constexpr int kInstalado = 5;
} // namespace coluna_componente

namespace coluna_diretorio {
inline constexpr int kCaminho = 0;
inline constexpr int kEstado = 3;
} // namespace coluna_diretorio

namespace coluna_arquivo {
inline constexpr int kOrigem = 0;
inline constexpr int kNaoLida = 1; // "0" in the built-in rows
inline constexpr int kTipo = 2;
inline constexpr int kBase = 3;
inline constexpr int kSubdiretorio = 4;
inline constexpr int kNome = 5;
inline constexpr int kDisco = 6;
inline constexpr int kPeso = 7;
inline constexpr int kEstado = 8;
} // namespace coluna_arquivo

// An ordered list of rows. Rows keep the order in which they were added and are held as at most
// 255 characters.
class TListaLinhas {
public:
    int Contar() const { return static_cast<int>(linhas_.size()); }
    const std::wstring& Linha(int i) const { return linhas_.at(static_cast<std::size_t>(i)); }
    TListaCampos Campos(int i) const { return Separar(Linha(i)); }
    void Substituir(int i, const std::wstring& linha);
    void Adicionar(const std::wstring& linha);

private:
    std::vector<std::wstring> linhas_;
};

// The directories a file row's base can name, each ending in a path delimiter.
struct TDiretoriosDestino {
    std::wstring Windows;
    std::wstring Sistema;
    std::wstring Instalacao;
};

// Where a file row's file goes: the system or Windows directory + the file name, or the
// installation directory + the subdirectory (with a delimiter when given) + the file name.
std::wstring CaminhoDeDestino(const TListaCampos& campos, const TDiretoriosDestino& diretorios);

// Whether every path that an installation into destinos.Instalacao creates stays within its limit
// (fileops/Caminhos.h): the installation directory, each directory row's folder, each installed
// file row's target with its folder and the new file written beside it, and the diary.
bool CaminhosDaInstalacaoCabem(const TDiretoriosDestino& destinos, const TListaLinhas& diretorios,
                               const TListaLinhas& arquivos);

// Whether a source column names the running program itself (kProprioPrograma, in any case).
bool NomeiaOProprioPrograma(const std::wstring& origem);

// "Anything but não means yes" (compact and normal columns, directory state at uninstall).
bool DiferenteDeNao(const std::wstring& valor);

// Reads a number column as a decimal integer; anything else throws base::EConvertError.
std::int32_t LerNumero(const std::wstring& valor);

} // namespace kt
