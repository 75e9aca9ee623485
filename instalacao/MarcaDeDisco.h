// The disk marker: the file "disco.rg" that every disk of a multi-disk installation carries beside
// the setup program, so that the copy worker can tell which disk is in the drive.
//
// Its format: text in the Windows ANSI code page (cp1252), at most kTamanhoMaximoDaMarca bytes,
// three lines ended by CR LF or LF (the last line may go without one):
//   1. the first text (checked against the second identification text of the description);
//   2. the second text (checked against the first identification text);
//   3. the disk number, a decimal integer.
// Lines after the third are ignored. Texts are taken as they stand, blanks and case included, cut
// to 255 characters; the number may have blanks around it. Anything else (a missing or unreadable
// file, fewer lines, a number that is not one) is no marker, which the worker treats as the wrong
// disk: it asks for the disk again. Portable: no Win32 here; the worker reads the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

inline constexpr const wchar_t* kArquivoDeMarcaDeDisco = L"disco.rg";
// A larger file is not a marker: the reader never takes more than this.
inline constexpr std::size_t kTamanhoMaximoDaMarca = 4096;

class TMarcaDeDisco {
public:
    // Reads the marker from its text; false, and nothing held, when the text is not a marker.
    bool Interpretar(std::wstring_view texto);
    // Holds nothing, as after a marker that could not be read.
    void Esquecer() { lida_ = false; }

    // Whether the marker held names disk `disco` of the set with that identification: its first
    // text is the identification's second, its second text the identification's first, and its
    // number the disk's.
    bool Identifica(const std::array<std::wstring, 2>& identificacao, std::int32_t disco) const;

    const std::array<std::wstring, 2>& Textos() const { return textos_; }
    std::int32_t Numero() const { return numero_; }

private:
    bool lida_ = false;
    std::array<std::wstring, 2> textos_;
    std::int32_t numero_ = 0;
};

} // namespace kt
