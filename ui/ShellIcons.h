// What the shell shows for drives and folders: their small icons, from the system's image list,
// and their names. And the guard that keeps the system from asking for a disk.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace ui {

namespace ShellIcons {

// The system's image list of small icons. It belongs to the system: a control that shows it
// must not destroy it (list views need LVS_SHAREIMAGELISTS).
HIMAGELIST SmallImages();
// A folder's icon in that list, closed or open.
int FolderIcon(bool open);

struct Face {
    int Icon = 0;
    std::wstring Name;
};
// The icon and the display name that the shell gives a drive's root or another existing path.
// The name is empty when the shell has none.
Face Describe(const std::wstring& path);

} // namespace ShellIcons

// While it lives, a drive without a medium or an unreadable one makes this thread's file calls
// fail with an error code instead of the system's "insert a disk" box.
class QuietDriveErrors {
public:
    QuietDriveErrors() {
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_);
    }
    ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    DWORD previous_ = 0;
};

} // namespace ui
