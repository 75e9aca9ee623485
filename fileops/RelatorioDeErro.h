// The catch-and-report pattern of the framework's operations.
//
// How it works: the operation fills its help record and runs its work through ExecutarRelatando.
// Every Win32 result of the work passes VerificarHandle or VerificarResultado, so a failing call
// leaves the work as a typed error, and the owners of the handles it opened release them on the
// way out. Whatever the error, its row is picked (the operation's own rows, then the standard
// table) and handed, as a report of kModuloDoFramework naming the file that the operation was
// working on at that moment, to the installed report slot (fileops/ServicosDeJanela.h), which
// the program fills with the Solutions Center. The error goes no further: the operation returns
// its own failure result.
#pragma once

#include "base/FunctionRef.h"
#include "fileops/Ajuda.h"
#include "fileops/ErrosArquivo.h"

#include <span>
#include <string>
#include <string_view>

namespace kt {

// The module that every report of the framework's own operations names.
inline constexpr std::wstring_view kModuloDoFramework = L"Pontilha.exe";

// Runs the work. When it raises anything, shows the report of its row with the files that
// `arquivos` holds at that moment (the work may change it as it goes) and the help record, and
// answers false; answers true when the work ended normally. Never throws.
bool ExecutarRelatando(const TRegistroAjuda& ajuda, std::span<const TLinhaPropria> proprias,
                       const std::wstring& arquivos, base::FunctionRef<void()> trabalho) noexcept;

} // namespace kt
