#include "ui/DirectoryList.h"

#include "base/Concat.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "base/Exception.h"
#include "base/Owned.h"
#include "ui/ShellIcons.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace ui {
namespace {

constexpr UINT_PTR kDirectoryListSubclassId = 1;

// The root of a full path: "C:\" or "\\server\share\"; empty when it has neither.
std::wstring RootOf(const std::wstring& path) {
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\')
        return path.substr(0, 3);
    if (path.rfind(L"\\\\", 0) == 0) {
        const std::size_t server = path.find(L'\\', 2);
        if (server == std::wstring::npos)
            return {};
        const std::size_t share = path.find(L'\\', server + 1);
        return share == std::wstring::npos ? path + L'\\' : path.substr(0, share + 1);
    }
    return {};
}

// The directory above, or empty at a root.
std::wstring ParentOf(const std::wstring& path) {
    const std::wstring root = RootOf(path);
    if (path.size() <= root.size())
        return {};
    const std::size_t last = path.find_last_of(L'\\');
    return last < root.size() ? root : path.substr(0, last);
}

std::wstring WithDelimiter(const std::wstring& directory) {
    return !directory.empty() && directory.back() == L'\\' ? directory : directory + L'\\';
}

// The full path that the user means: relative to the base, "D:" as the drive's root (not the
// process's current directory there), short names made long, no trailing delimiter but a root's.
std::wstring FullPath(std::wstring path, const std::wstring& base) {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    const bool drive = path.size() >= 2 && path[1] == L':';
    if (drive && path.size() == 2)
        path += L'\\';
    if (!drive && path.rfind(L'\\', 0) != 0 && !base.empty())
        path = WithDelimiter(base) + path;
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    if (size == 0 || GetFullPathNameW(path.c_str(), size, full.data(), nullptr) >= size)
        base::Throw(base::Concat({L"O caminho \"", path, L"\" não é válido."}));
    full.resize(wcslen(full.c_str()));
    if (const DWORD longSize = GetLongPathNameW(full.c_str(), nullptr, 0)) {
        std::wstring longer(longSize, L'\0');
        if (GetLongPathNameW(full.c_str(), longer.data(), longSize) < longSize)
            full = longer.c_str();
    }
    if (full.size() >= 2 && full[1] == L':')
        full[0] = static_cast<wchar_t>(towupper(full[0]));
    while (full.size() > RootOf(full).size() && full.back() == L'\\')
        full.pop_back();
    return full;
}

bool ComesBefore(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                          static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

// The subdirectories that a user sees (hidden ones left out), in the order of their names.
std::vector<std::wstring> ReadSubdirectories(const std::wstring& directory) {
    const QuietDriveErrors quiet;
    const DWORD attributes = GetFileAttributesW(directory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        base::Throw(base::Concat({L"O diretório \"", directory, L"\" não existe."}));
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const base::UniqueFind search(FindFirstFileExW((WithDelimiter(directory) + L'*').c_str(),
                                                   FindExInfoBasic, &found,
                                                   FindExSearchLimitToDirectories, nullptr, 0));
    if (!search) {
        // An empty root has not even "." and "..".
        if (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_NO_MORE_FILES)
            return names;
        base::Throw(base::Concat({L"Não foi possível ler o diretório \"", directory, L"\"."}));
    }
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) && name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search.Get(), &found));
    std::sort(names.begin(), names.end(), ComesBefore);
    return names;
}

void AddItem(HWND list, const std::wstring& text, int indent, int icon) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = icon;
    item.iIndent = indent;
    ListView_InsertItem(list, &item);
}

} // namespace

DirectoryList::DirectoryList(HWND listView) : handle_(listView) {
    // The system's image list is shared by every program: the list must not destroy it.
    SetWindowLongW(handle_, GWL_STYLE, GetWindowLongW(handle_, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    ListView_SetImageList(handle_, ShellIcons::SmallImages(), LVSIL_SMALL);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 1;
    ListView_InsertColumn(handle_, 0, &column);
    FitColumn();
    SetWindowSubclass(handle_, &SubclassProc, kDirectoryListSubclassId,
                      reinterpret_cast<DWORD_PTR>(this));
}

DirectoryList::~DirectoryList() {
    if (IsWindow(handle_))
        RemoveWindowSubclass(handle_, &SubclassProc, kDirectoryListSubclassId);
}

bool DirectoryList::AtRoot() const {
    return !directory_.empty() && directory_ == RootOf(directory_);
}

void DirectoryList::SetDirectory(const std::wstring& path) {
    const std::wstring full = FullPath(path, directory_);
    const std::vector<std::wstring> subdirectories = ReadSubdirectories(full);
    directory_ = full;
    Fill(full, subdirectories);
    if (onChange_)
        onChange_();
}

void DirectoryList::Update() {
    std::wstring directory = directory_;
    for (;;) {
        try {
            SetDirectory(directory);
            return;
        } catch (const base::Exception&) {
            directory = ParentOf(directory);
            if (directory.empty())
                throw;
        }
    }
}

void DirectoryList::Open(int index) {
    if (index < 0 || index >= Count())
        return;
    const std::wstring path = paths_[index];
    SetDirectory(path);
}

void DirectoryList::Fill(const std::wstring& directory,
                         const std::vector<std::wstring>& subdirectories) {
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(handle_);
    paths_.clear();
    const std::wstring root = RootOf(directory);
    AddItem(handle_, root, 0, ShellIcons::Describe(root).Icon);
    paths_.push_back(root);
    const int openFolder = ShellIcons::FolderIcon(true);
    for (std::size_t start = root.size(); start < directory.size();) {
        const std::size_t end = std::min(directory.find(L'\\', start), directory.size());
        AddItem(handle_, directory.substr(start, end - start), Count(), openFolder);
        paths_.push_back(directory.substr(0, end));
        start = end + 1;
    }
    current_ = Count() - 1;
    const int closedFolder = ShellIcons::FolderIcon(false);
    const int depth = Count();
    for (const std::wstring& name : subdirectories) {
        AddItem(handle_, name, depth, closedFolder);
        paths_.push_back(WithDelimiter(directory) + name);
    }
    ListView_SetItemState(handle_, current_, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    FitColumn();
    ListView_EnsureVisible(handle_, current_, FALSE);
    InvalidateRect(handle_, nullptr, TRUE);
}

void DirectoryList::AskForMenu() const {
    // The list view leaves the context-menu key and Shift+F10 to no one: the list asks its owner
    // for the menu, once, as a keyboard request (no point).
    SendMessageW(GetParent(handle_), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle_), -1);
}

void DirectoryList::FitColumn() const {
    RECT client{};
    GetClientRect(handle_, &client);
    ListView_SetColumnWidth(handle_, 0, client.right - client.left);
}

LRESULT CALLBACK DirectoryList::SubclassProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) noexcept {
    try {
        return reinterpret_cast<DirectoryList*>(self)->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        Application::HandleException(std::current_exception());
        return 0;
    }
}

LRESULT DirectoryList::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETDLGCODE:
        // Enter opens the entry instead of pressing the dialog's default button.
        return DialogCodeWithEnter(handle_, wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            Open(ListView_GetNextItem(handle_, -1, LVNI_FOCUSED));
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r')
            return 0;
        break;
    case WM_KEYUP:
        if (wParam == VK_APPS) {
            AskForMenu();
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
            AskForMenu();
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefSubclassProc(handle_, msg, wParam, lParam);
        LVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (ListView_HitTest(handle_, &hit) >= 0 && (hit.flags & LVHT_ONITEM))
            Open(hit.iItem);
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = DefSubclassProc(handle_, msg, wParam, lParam);
        FitColumn();
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(handle_, msg, wParam, lParam);
}

} // namespace ui
