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

// The DLLs that the system's own components load on the program's behalf, as Wine's +loaddll
// channel shows them for the wizard, every dialog and an installation. A component that loads one
// by its bare name, resolves a delay-loaded import from it or follows an export forwarded to it,
// finds it already in memory once it was loaded by full path from the system directory. The
// imports of a DLL loaded by full path are searched from its own folder first, so they come with
// it and are not listed: winmm and msacm32 with msvfw32, usp10 and oleaut32 with riched20.
//
// Each is loaded when the program itself first calls for what needs it, and no later; the one
// that the system's theme engine loads at a themed paint, which the program does not call for,
// before the first window (PreloadedSystemLibraries).
//   msimg32: the themed check boxes and buttons: uxtheme resolves its delay-loaded imports from
//     it, and that resolution searches the program's folder first, whatever the process asked.
//   msftedit and riched20 (LoadControlLibraries): the rich-text box: msftedit registers its
//     class and forwards its functions to riched20, which the loader then looks for by name.
//   msvfw32 and msrle32 (LoadAnimationLibraries): the copy animation: Wine's Animate control
//     loads the video library by name, which opens the clip's RLE codec by the name the registry
//     gives for it. Windows' control decodes the clip itself: there the loads are harmless.
inline constexpr std::array<const wchar_t*, 5> kLibrariesLoadedOnOurBehalf = {
    L"msimg32.dll", L"msftedit.dll", L"riched20.dll", L"msvfw32.dll", L"msrle32.dll"};

class PreloadedSystemLibraries {
public:
    PreloadedSystemLibraries();

private:
    base::UniqueLibrary msimg32_;
};

// Loads a system DLL by full path, once, and keeps it for the rest of the run.
void LoadSystemLibraryOnce(const wchar_t* name);

// Before a window is made from the template: the libraries of the controls it holds that the
// program loads itself (the rich-text box's).
void LoadControlLibraries(int templateId);

// Before an animation opens its clip.
void LoadAnimationLibraries();

} // namespace ui
