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

// The lines the program writes: the executable's delete, then an rmdir of its directory when
// removerDiretorio, then a cls and the batch's own delete. Against a batch that retried the delete
// at once and without end, with the paths as they are, and removed every empty directory above
// the executable's down to the bare drive, it differs in four ways:
// - cmd reads a batch file in its console's code page (Wine 8's cmd always in the OEM code page),
//   not in the ANSI one. The file is to be written in the OEM code page, paginaDeCodigo, and the
//   batch first switches its console to that code page, so that every path names the file it
//   was written for also where a console starts with another;
// - the executable is deleted also when read-only, and tried kTentativasDeRemocao times one
//   second apart (ping is the pause that every Windows and Wine's cmd have); an executable that
//   can never be deleted no longer keeps a console window spinning for ever;
// - a "%" in a path is doubled, since cmd would expand it;
// - no directory above the executable's is touched: it was there before the installation
//   (Program Files, a folder of the user's), and rmdir would take it whenever it happened to be
//   empty. The caller decides for the executable's own directory, which may be one of the
//   system's.
std::vector<std::wstring> LinhasAutoRemocaoSegura(std::wstring_view executavel,
                                                  std::wstring_view lote,
                                                  std::uint32_t paginaDeCodigo,
                                                  bool removerDiretorio);

// The file's text: every line ended by CR LF.
std::wstring TextoDoLote(std::span<const std::wstring> linhas);

} // namespace kt
