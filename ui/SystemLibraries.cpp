#include "ui/SystemLibraries.h"

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

PreloadedSystemLibraries::PreloadedSystemLibraries() {
    for (std::size_t i = 0; i < libraries_.size(); ++i)
        libraries_[i].Reset(LoadSystemLibrary(kLibrariesLoadedOnOurBehalf[i]));
}

} // namespace ui
