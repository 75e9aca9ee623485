// The names of the new files that a copy or an extraction writes beside their destination before
// they take its place (fileops/ArquivoNovo.h): "~ktnovo", one to four hexadecimal digits and
// ".tmp". No other program makes such names, so the files that a killed run left behind can be
// told from the user's and swept by the next run. Portable: no Win32 here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

// The numbers that a new file's name may carry: 1 to FFFF.
inline constexpr std::uint32_t kNomesNovos = 0xFFFF;
// What FindFirstFile finds them by; EhNomeNovo tells which of those are.
inline constexpr const wchar_t* kPadraoDoNomeNovo = L"~ktnovo*.tmp";
// The longest such name: the prefix, four digits and the extension.
inline constexpr std::size_t kTamanhoMaximoDoNomeNovo = 15;

// The name for a number from 1 to kNomesNovos, its digits in upper case without leading zeros.
std::wstring NomeNovo(std::uint32_t numero);

// Whether a file name (without its folder) is one that NomeNovo makes, in any case.
bool EhNomeNovo(std::wstring_view nome);

} // namespace kt
