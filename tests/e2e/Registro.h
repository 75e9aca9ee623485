// What the registry says, read the way the 32-bit program under test reads it.
#pragma once

#include <string>

namespace e2e {

// The value "ProgramFilesDir" in the 32-bit view of the registry.
std::wstring ProgramFilesDe32Bits();

} // namespace e2e
