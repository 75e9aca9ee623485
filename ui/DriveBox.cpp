#include "ui/DriveBox.h"

#include "ui/Application.h"
#include "ui/ShellIcons.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>

namespace ui {
namespace {

constexpr UINT_PTR kDriveBoxSubclassId = 1;

std::wstring RootOfDrive(wchar_t letter) {
    return std::wstring{letter, L':', L'\\'};
}

} // namespace

DriveBox::DriveBox(HWND comboBoxEx) : handle_(comboBoxEx) {
    // The system's image list: the box does not destroy it.
    SendMessageW(handle_, CBEM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(ShellIcons::SmallImages()));
    Fill();
    SetWindowSubclass(handle_, &SubclassProc, kDriveBoxSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
}

DriveBox::~DriveBox() {
    if (IsWindow(handle_))
        RemoveWindowSubclass(handle_, &SubclassProc, kDriveBoxSubclassId);
}

void DriveBox::Fill() {
    SendMessageW(handle_, CB_RESETCONTENT, 0, 0);
    letters_.clear();
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i)))
            continue;
        const wchar_t letter = static_cast<wchar_t>(L'A' + i);
        const std::wstring root = RootOfDrive(letter);
        ShellIcons::Face face = ShellIcons::Describe(root);
        // The shell names a drive by its label and its letter; a drive without a label may
        // come with a blank in front.
        face.Name.erase(0, face.Name.find_first_not_of(L' '));
        if (face.Name.empty())
            face.Name = root.substr(0, 2);
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = -1;
        item.pszText = face.Name.data();
        item.iImage = face.Icon;
        item.iSelectedImage = face.Icon;
        SendMessageW(handle_, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        letters_.push_back(letter);
    }
    Select(shown_);
}

void DriveBox::ShowDriveOf(const std::wstring& path) {
    const bool drive = path.size() >= 2 && path[1] == L':';
    shown_ = drive ? static_cast<wchar_t>(towupper(path[0])) : 0;
    Select(shown_);
}

void DriveBox::Select(wchar_t letter) const {
    const auto found = std::find(letters_.begin(), letters_.end(), letter);
    const WPARAM index = found == letters_.end() ? static_cast<WPARAM>(-1)
                                                 : static_cast<WPARAM>(found - letters_.begin());
    SendMessageW(handle_, CB_SETCURSEL, index, 0);
}

void DriveBox::Choose() {
    const auto index = static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0));
    if (index < 0 || index >= static_cast<int>(letters_.size()) || letters_[index] == shown_)
        return;
    if (onChoose_ && onChoose_(RootOfDrive(letters_[index])))
        shown_ = letters_[index];
    Select(shown_);
}

LRESULT CALLBACK DriveBox::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) noexcept {
    // The box's own combo box tells the box (not the dialog) what the user did. A change made
    // with the arrow keys on the closed box counts at once; one made in the open list counts
    // when the list closes, so that passing over a drive does not visit it.
    if (msg == WM_COMMAND) {
        const UINT code = HIWORD(wParam);
        const bool dropped = SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
        if ((code == CBN_SELCHANGE && !dropped) || code == CBN_CLOSEUP) {
            try {
                reinterpret_cast<DriveBox*>(self)->Choose();
            } catch (...) {
                Application::HandleException(std::current_exception());
            }
        }
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

} // namespace ui
