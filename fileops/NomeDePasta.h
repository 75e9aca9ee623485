// The check of a name typed for a new folder. Portable: no Win32 here.
#pragma once

#include <string_view>

namespace kt {

// Whether the name names one folder inside the directory it is created in. Refused: a name made
// only of blanks and dots (Windows drops the trailing ones, which leaves the directory itself or
// its parent), a path delimiter or a drive's colon (the folder would be made elsewhere), the
// other characters that Windows refuses in a name (* ? " < > | and control characters), and a
// device (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1 to COM9, LPT1 to LPT9, with any extension:
// "nul.txt" is the device too).
bool NomeDePastaValido(std::wstring_view nome);

} // namespace kt
