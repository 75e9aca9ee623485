// The drive box: every drive letter of the system with the icon and the name that the shell
// gives it ("Disco Local (C:)" on Windows). It is the template's ComboBoxEx32 with the
// CBS_DROPDOWNLIST style. Choosing a drive, with the mouse or the keyboard, asks the owner to
// take it; a drive that the owner does not take (no medium, unreadable) is unchosen again, with
// no message.
#pragma once

#include "base/InlineFunction.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

class DriveBox {
public:
    explicit DriveBox(HWND comboBoxEx);
    ~DriveBox();
    DriveBox(const DriveBox&) = delete;
    DriveBox& operator=(const DriveBox&) = delete;

    HWND Handle() const { return handle_; }
    // Lists the drives again.
    void Fill();
    // Shows the drive of a full path; none for a path on no drive letter (a network share).
    void ShowDriveOf(const std::wstring& path);

    // Gets the root of the chosen drive ("D:\") and answers whether it was taken.
    void SetOnChoose(base::InlineFunction<bool(const std::wstring& root)> handler) {
        onChoose_ = handler;
    }

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
    void Select(wchar_t letter) const;
    void Choose();

    HWND handle_;
    std::vector<wchar_t> letters_;
    wchar_t shown_ = 0;
    base::InlineFunction<bool(const std::wstring&)> onChoose_;
};

} // namespace ui
