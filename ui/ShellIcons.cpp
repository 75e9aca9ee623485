#include "ui/ShellIcons.h"

#include <shellapi.h>

namespace ui::ShellIcons {

HIMAGELIST SmallImages() {
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"", 0, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}

int FolderIcon(bool open) {
    // Any name does: with the attributes given, the shell does not look at the disk.
    SHFILEINFOW info{};
    SHGetFileInfoW(L"pasta", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                   SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES |
                       (open ? SHGFI_OPENICON : 0));
    return info.iIcon;
}

Face Describe(const std::wstring& path) {
    const QuietDriveErrors quiet;
    SHFILEINFOW info{};
    Face face;
    if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_DISPLAYNAME)) {
        face.Icon = info.iIcon;
        face.Name = info.szDisplayName;
    }
    return face;
}

} // namespace ui::ShellIcons
