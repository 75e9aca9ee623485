// DLLs loaded at run time, and only from the system directory: a setup program runs next to
// whatever else was downloaded, where Windows would otherwise look for a DLL first.
#pragma once

#include "base/Owned.h"

#include <windows.h>

#include <array>
#include <string>

namespace ui {

// Makes the process, and the system's own libraries on its behalf, load DLLs from the system
// directory only (SetDefaultDllDirectories); not every load obeys it, hence
// PreloadedSystemLibraries below. Looked up at run time: Windows 7 has the call only with an
// update, and a program that imported it would not start without. Answers whether the system
// took it.
bool LoadDllsFromSystemDirectoryOnly();

// The file of that name in the system directory; empty when the directory cannot be read.
std::wstring SystemDirectoryFile(const std::wstring& name);

// Loads a DLL of the system directory by its full path there, so that no other folder is
// searched for it, with or without the call above; the DLLs that it needs are searched from the
// system directory too. Null when it cannot be loaded (GetLastError says why).
HMODULE LoadSystemLibrary(const std::wstring& name);

// The DLLs that the system's own components load on the program's behalf once it runs, as Wine's
// +loaddll channel shows them for the wizard, every dialog and an installation. A component that
// loads one by its bare name, resolves a delay-loaded import from it or follows an export
// forwarded to it, finds it already in memory once it was loaded by full path from the system
// directory. The imports of a DLL loaded by full path are searched from its own folder first, so
// they come with it and are not listed: winmm and msacm32 with msvfw32, usp10 and oleaut32 with
// riched20.
inline constexpr std::array<const wchar_t*, 4> kLibrariesLoadedOnOurBehalf = {
    // The themed check boxes and buttons: uxtheme resolves its delay-loaded imports from msimg32,
    // and that resolution searches the program's folder first, whatever the process asked for.
    L"msimg32.dll",
    // The rich-text box: the rich-text library that the toolkit loads forwards its functions to
    // riched20, which the loader then looks for by name.
    L"riched20.dll",
    // The copy animation: comctl32's Animate control loads the video library by name.
    L"msvfw32.dll",
    // The video library opens the animation's RLE codec by the name the registry gives for it.
    L"msrle32.dll",
};

// Loads each of kLibrariesLoadedOnOurBehalf from the system directory and keeps it for as long as
// it lives, which is the program's run. A DLL that this system lacks is skipped: no component of
// this system will look for it there either.
class PreloadedSystemLibraries {
public:
    PreloadedSystemLibraries();

private:
    std::array<base::UniqueLibrary, kLibrariesLoadedOnOurBehalf.size()> libraries_;
};

} // namespace ui
