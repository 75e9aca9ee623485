// Shortcuts (shell links) in the user's special folders.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

// The folders a shortcut can go to; any other value means no folder, and the link name is used
// as the whole path.
enum TLocalAtalho : std::int32_t {
    kAtalhoNaAreaDeTrabalho = 0,
    kAtalhoNaInicializacao = 1,
    kAtalhoNoMenuIniciar = 2,
    kAtalhoEmProgramas = 3,
};

// Saves the link <folder>\<nomeAtalho> (the name carries its extension, "Pontilha.lnk") to the
// target, with the description and the target's directory as working directory. True when the
// link file was saved. A save that the shell refuses (a missing folder, no right to write) gives
// false without a report; any other failure is reported ("Não pode criar o atalho.") with the link
// path, or with the target when the path was not formed yet, and gives false. The three texts are
// short strings, cut to 255 characters.
bool CriarAtalho(std::wstring_view alvo, std::wstring_view nomeAtalho, std::wstring_view descricao,
                 std::int32_t onde);

// The path that a shortcut file points at, as it was saved; empty when the file is missing or is
// no shortcut that the shell can read. Reports nothing.
std::wstring AlvoDoAtalho(const std::wstring& atalho);

} // namespace kt
