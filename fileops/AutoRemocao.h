// Self-removal: once the program has ended, a batch file deletes its executable, removes the
// executable's directory when the installation created it and it is empty, and deletes itself.
//
// How it works: AutoRemover writes the batch file (LinhasAutoRemocaoSegura) and starts it; the
// caller then ends the program. The batch tries the delete once a second for about a minute,
// since the executable stays in use while the program is ending; then rmdir removes the
// directory when it is empty and fails harmlessly otherwise; the last line deletes the batch.
// Nothing above the executable's directory is touched, nor that directory itself when the
// installation did not create it (a folder of the user's, such as Downloads) or when it is one
// that the system names (a drive's root, Program Files, the desktop). The batch and everything
// it runs are named by their full paths.
//
// Where the batch file lives matters when the program runs elevated: in the user's temporary
// folder, any unelevated program of the same user could rewrite it while it waits, and have its
// own commands run with the administrator's rights. An elevated program therefore writes it into
// the system's temporary folder, where ordinary users can create files but not change or delete
// another's, as a new file that only SYSTEM and the Administrators may touch.
#pragma once

#include <string>

namespace kt {

// Writes the batch file and starts it; the start's own result is not checked. The executable's
// directory goes too when removerPasta: the installation created it. True when the batch was
// written; false when it could not be written in full, and then nothing is left behind and nothing
// is started.
bool AutoRemover(bool removerPasta);

// The folder of the batch file: the system's temporary folder for a program running with an
// administrator's full rights, the user's temporary folder otherwise. Ends with a backslash.
std::wstring PastaDoLoteDeRemocao();

} // namespace kt
