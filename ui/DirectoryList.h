// The directory list: the current directory, its ancestors above it and its subdirectories below
// it, indented, with the shell's open and closed folder icons. Opening an entry (double-click or
// Enter) makes it the current directory; the context-menu key and Shift+F10 ask the owner for a
// pop-up menu (WM_CONTEXTMENU), as a right-click does. It is the template's list view (report view,
// one column, no header, single selection, LVS_SHAREIMAGELISTS); the list keeps its own column as
// wide as the control and takes Enter from the dialog's default button.
#pragma once

#include "base/InlineFunction.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

class DirectoryList {
public:
    explicit DirectoryList(HWND listView);
    ~DirectoryList();
    DirectoryList(const DirectoryList&) = delete;
    DirectoryList& operator=(const DirectoryList&) = delete;

    HWND Handle() const { return handle_; }

    // The full path of the current directory, without a trailing delimiter except at a root
    // ("C:\"); empty before the first SetDirectory.
    const std::wstring& Directory() const { return directory_; }
    // Whether the current directory is a root: a drive's or a network share's.
    bool AtRoot() const;

    // Makes the path the current directory and lists it. A relative path is taken from the
    // current directory; short (8.3) names are shown long. Throws base::Exception when the path
    // is no directory that can be read (missing, a drive without a medium, access denied): the
    // list then stays as it was.
    void SetDirectory(const std::wstring& path);
    // Lists the current directory again; when it is gone, its nearest ancestor that is there.
    void Update();
    // Runs after every change of the current directory.
    void SetOnChange(base::InlineFunction<void()> handler) { onChange_ = handler; }

private:
    int Count() const { return static_cast<int>(paths_.size()); }
    // Opens an entry as a double-click does.
    void Open(int index);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void Fill(const std::wstring& directory, const std::vector<std::wstring>& subdirectories);
    void FitColumn() const;
    void AskForMenu() const;

    HWND handle_;
    std::wstring directory_;
    std::vector<std::wstring> paths_;
    int current_ = -1;
    base::InlineFunction<void()> onChange_;
};

} // namespace ui
