// The lines of the self-removal batch file: once the program has ended, the batch deletes the
// program's executable, removes the executable's directory when it is empty and may go, and
// deletes itself. Writing the file and starting it is the Win32 side's work.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kt {

// How often the batch tries to delete the executable, one second apart, before it goes on
// without it: about a minute for the program to end.
inline constexpr int kTentativasDeRemocao = 60;

// What the batch is about: the paths as it names them, in the code page it is written in.
struct TLoteDeRemocao {
    std::wstring_view Executavel;
    std::wstring_view Lote;
    // The system directory, without its trailing backslash: where chcp and ping are.
    std::wstring_view PastaDoSistema;
    std::uint32_t PaginaDeCodigo = 0;
    // The executable's directory goes too, when the installation created it.
    bool RemoverDiretorio = false;
};

// The lines the program writes: the executable's delete, then an rmdir of its directory when
// RemoverDiretorio, then a cls and the batch's own delete. Against a batch that retried the delete
// at once and without end, with the paths as they are, and removed every empty directory above
// the executable's down to the bare drive, it differs in five ways:
// - cmd reads a batch file in its console's code page (Wine 8's cmd always in the OEM code page),
//   not in the ANSI one. The file is to be written in the OEM code page, PaginaDeCodigo, and the
//   batch first switches its console to that code page, so that every path names the file it
//   was written for also where a console starts with another;
// - the executable is deleted also when read-only, and tried kTentativasDeRemocao times one
//   second apart (ping is the pause that every Windows and Wine's cmd have); an executable that
//   can never be deleted no longer keeps a console window spinning for ever;
// - every program that it starts (chcp, ping) is named by its full path in the system directory:
//   by bare name cmd would look in its working folder first, the temporary folder, where
//   ordinary users may leave a chcp.bat to be run with the administrator's rights;
// - a "%" in a path is doubled, since cmd would expand it;
// - no directory above the executable's is touched: it was there before the installation
//   (Program Files, a folder of the user's), and rmdir would take it whenever it happened to be
//   empty. The caller decides for the executable's own directory.
std::vector<std::wstring> LinhasAutoRemocaoSegura(const TLoteDeRemocao& lote);

// The file's text: every line ended by CR LF.
std::wstring TextoDoLote(std::span<const std::wstring> linhas);

} // namespace kt
