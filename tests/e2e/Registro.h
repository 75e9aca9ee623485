// What the registry says, read the way the 32-bit program under test reads it.
#pragma once

#include <optional>
#include <string>

namespace e2e {

// The value "ProgramFilesDir" in the 32-bit view of the registry.
std::wstring ProgramFilesDe32Bits();

// A string value of a key of HKEY_LOCAL_MACHINE in the 32-bit view; nothing when the key or the
// value is missing.
std::optional<std::wstring> ValorDe32Bits(const std::wstring& chave, const std::wstring& valor);
bool ChaveExisteEm32Bits(const std::wstring& chave);
// Deletes the key with its values and subkeys, if it is there.
void ApagarChaveDe32Bits(const std::wstring& chave);

} // namespace e2e
