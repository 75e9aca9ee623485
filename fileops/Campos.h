// Field lists: how a comma-separated row of the installation description becomes ten trimmed
// fields, and how ten fields become a row again.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

inline constexpr int kNumeroDeCampos = 10;
// Reading stops once this many fields are stored; the rest of the line is dropped.
inline constexpr int kCamposLidos = 9;

using TListaCampos = std::array<std::wstring, kNumeroDeCampos>;

// Splits a line (cut to 255 characters) into trimmed fields. The zero character means a comma.
// With a blank as separator, runs of blanks count as one and words are the fields.
void SepararCampos(std::wstring_view linha, TListaCampos& campos, wchar_t separador = L'\0');

// Joins all ten slots, each but the last followed by the separator and one blank; the result is
// cut to 255 characters and then to tamanhoMaximo.
void JuntarCampos(std::wstring& texto, std::int32_t tamanhoMaximo, const TListaCampos& campos,
                  wchar_t separador = L',');

// The same two, in the form the description's consumers use most.
TListaCampos Separar(std::wstring_view linha);
std::wstring Juntar(const TListaCampos& campos);

} // namespace kt
