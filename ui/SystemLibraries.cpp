#include "ui/SystemLibraries.h"

#include "ui/DialogTemplate.h"

#include <richedit.h>

#include <cwchar>
#include <utility>
#include <vector>

namespace ui {

bool LoadDllsFromSystemDirectoryOnly() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    const FARPROC found = kernel32 ? GetProcAddress(kernel32, "SetDefaultDllDirectories") : nullptr;
    if (!found)
        return false;
    const auto restrict =
        reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(found));
    return restrict(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

std::wstring SystemDirectoryFile(const std::wstring& name) {
    const UINT length = GetSystemDirectoryW(nullptr, 0);
    if (length == 0)
        return {};
    std::vector<wchar_t> directory(length);
    const UINT written = GetSystemDirectoryW(directory.data(), length);
    if (written == 0 || written >= length)
        return {};
    std::wstring path(directory.data(), written);
    if (!path.ends_with(L'\\'))
        path += L'\\';
    return path + name;
}

HMODULE LoadSystemLibrary(const std::wstring& name) {
    const std::wstring path = SystemDirectoryFile(name);
    if (path.empty())
        return nullptr;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

PreloadedSystemLibraries::PreloadedSystemLibraries()
    : msimg32_(LoadSystemLibrary(L"msimg32.dll")) {}

void LoadSystemLibraryOnce(const wchar_t* name) {
    static std::vector<std::pair<const wchar_t*, base::UniqueLibrary>> loaded;
    for (const auto& [loadedName, library] : loaded)
        if (std::wcscmp(loadedName, name) == 0)
            return;
    loaded.emplace_back(name, base::UniqueLibrary(LoadSystemLibrary(name)));
}

void LoadControlLibraries(int templateId) {
    for (const DialogItem& item : DialogItems(templateId)) {
        if (item.Class == MSFTEDIT_CLASS) {
            LoadSystemLibraryOnce(L"riched20.dll");
            LoadSystemLibraryOnce(L"msftedit.dll");
        }
    }
}

void LoadAnimationLibraries() {
    LoadSystemLibraryOnce(L"msvfw32.dll");
    LoadSystemLibraryOnce(L"msrle32.dll");
}

} // namespace ui
