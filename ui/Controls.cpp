#include "ui/Controls.h"

#include "base/Concat.h"
#include "ui/SystemLibraries.h"

#include "ui/Application.h"
#include "base/Exception.h"
#include "ui/Glyphs.h"
#include "base/Owned.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ui {

std::wstring Control::Text() const {
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return text;
}

void Control::Update() const {
    HWND parent = GetParent(handle_);
    RedrawWindow(parent ? parent : handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Control::SetText(const std::wstring& text) const {
    SetWindowTextW(handle_, text.c_str());
    // Screen readers speak a text that changes when they hear of it. Windows' own controls tell
    // them; Wine's do not, so the toolkit does (a reader that queues its events takes the same
    // event of one object once).
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle_, OBJID_WINDOW, CHILDID_SELF);
    // A transparent label leaves its old text behind unless the parent repaints under it.
    if (HWND parent = GetParent(handle_)) {
        RECT r = Bounds();
        InvalidateRect(parent, &r, TRUE);
    }
}

bool Control::Visible() const {
    return (GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisible(bool visible) const {
    ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

RECT Control::Bounds() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::SetBounds(const RECT& r) const {
    SetWindowPos(handle_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Edit::SetMaxLength(int characters) const {
    SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0);
}

LRESULT DialogCodeWithEnter(HWND control, WPARAM wParam, LPARAM lParam) {
    LRESULT code = DefSubclassProc(control, WM_GETDLGCODE, wParam, lParam);
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
        code |= DLGC_WANTALLKEYS;
    return code;
}

namespace {

constexpr UINT_PTR kEnterSubclass = 1;

LRESULT CALLBACK EnterProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) noexcept {
    auto* handler = reinterpret_cast<base::InlineFunction<void()>*>(data);
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCodeWithEnter(edit, wParam, lParam);
    case WM_KEYDOWN:
        if (wParam != VK_RETURN)
            break;
        try {
            (*handler)();
        } catch (...) {
            Application::HandleException(std::current_exception());
        }
        return 0;
    case WM_CHAR:
        // No beep for the Enter that the handler took.
        if (wParam == L'\r')
            return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &EnterProc, kEnterSubclass);
        delete handler;
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, msg, wParam, lParam);
}

} // namespace

void Edit::SetOnEnter(base::InlineFunction<void()> handler) const {
    DWORD_PTR previous = 0;
    if (GetWindowSubclass(Handle(), &EnterProc, kEnterSubclass, &previous))
        *reinterpret_cast<base::InlineFunction<void()>*>(previous) = handler;
    else
        SetWindowSubclass(Handle(), &EnterProc, kEnterSubclass,
                          reinterpret_cast<DWORD_PTR>(new base::InlineFunction<void()>(handler)));
}

void Button::SetGlyph(int iconResource) const {
    const int size = GetSystemMetrics(SM_CXSMICON);
    BUTTON_IMAGELIST images{};
    images.himl = iconResource == 0 ? nullptr : Glyphs::ImageList(iconResource, size);
    images.margin = {4, 0, 0, 0};
    images.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Button::SetImage(int iconResource, int size) const {
    SendMessageW(Handle(), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(Glyphs::Icon(iconResource, size)));
}

void Button::Click() const {
    SendMessageW(Handle(), BM_CLICK, 0, 0);
}

bool CheckBox::Checked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) const {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HICON Picture::Icon() const {
    return reinterpret_cast<HICON>(SendMessageW(Handle(), STM_GETICON, 0, 0));
}

void Picture::SetIcon(HICON icon) const {
    SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

HBITMAP Picture::Bitmap() const {
    return reinterpret_cast<HBITMAP>(SendMessageW(Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

void Picture::SetBitmap(HBITMAP bitmap) const {
    SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

int Gauge::Position() const {
    return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

void Gauge::SetPosition(int position) const {
    const auto before =
        static_cast<int>(SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0));
    // As a changed text (SetText): the reader hears the new value.
    if (before != position)
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

std::wstring StatusBar::PanelText(int panel) const {
    const auto length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, panel, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

void StatusBar::SetPanelText(int panel, const std::wstring& text) const {
    SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void CheckList::Setup() const {
    ListView_SetExtendedListViewStyle(Handle(), LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(Handle(), &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    ListView_InsertColumn(Handle(), 0, &column);
}

void CheckList::Clear() const {
    ListView_DeleteAllItems(Handle());
}

int CheckList::Add(const std::wstring& text) const {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return ListView_InsertItem(Handle(), &item);
}

int CheckList::Count() const {
    return ListView_GetItemCount(Handle());
}

std::wstring CheckList::Item(int index) const {
    wchar_t text[512] = {};
    ListView_GetItemText(Handle(), index, 0, text, 512);
    return text;
}

bool CheckList::Checked(int index) const {
    return ListView_GetCheckState(Handle(), index) != FALSE;
}

void CheckList::SetChecked(int index, bool checked) const {
    ListView_SetCheckState(Handle(), index, checked);
}

int CheckList::Selected() const {
    return ListView_GetNextItem(Handle(), -1, LVNI_SELECTED);
}

void CheckList::Select(int index) const {
    ListView_SetItemState(Handle(), index, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
}

namespace {

struct StreamSource {
    const std::vector<char>* bytes;
    std::size_t position;
};

DWORD CALLBACK ReadFromBuffer(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const std::size_t left = source->bytes->size() - source->position;
    const std::size_t n = std::min(left, static_cast<std::size_t>(wanted));
    std::copy_n(source->bytes->data() + source->position, n, buffer);
    source->position += n;
    *given = static_cast<LONG>(n);
    return 0;
}

std::vector<char> ReadWholeFile(const std::wstring& path) {
    base::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > 64 * 1024 * 1024)
        base::Throw(base::Concat({L"Não foi possível abrir o arquivo \"", path, L"\"."}));
    std::vector<char> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        base::Throw(base::Concat({L"Não foi possível ler o arquivo \"", path, L"\"."}));
    return bytes;
}

} // namespace

void RichEdit::LoadFromFile(const std::wstring& path) const {
    const std::vector<char> bytes = ReadWholeFile(path);
    const bool rtf = bytes.size() >= 5 && std::string(bytes.data(), 5) == "{\\rtf";
    StreamSource source{&bytes, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadFromBuffer};
    SendMessageW(Handle(), EM_STREAMIN, rtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0)
        base::Throw(base::Concat({L"Não foi possível ler o arquivo \"", path, L"\"."}));
}

bool Animation::OpenFileCopyClip() const {
    // The file-copy clip that Windows shows when it copies files.
    constexpr int kFileCopyClip = 161;
    LoadAnimationLibraries();
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    return shell && SendMessageW(Handle(), ACM_OPENW, reinterpret_cast<WPARAM>(shell),
                                 reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(kFileCopyClip))) != 0;
}

bool Animation::OpenClip(int resource) const {
    LoadAnimationLibraries();
    return SendMessageW(Handle(), ACM_OPENW, reinterpret_cast<WPARAM>(Application::Instance()),
                        reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(resource))) != 0;
}

bool Animation::Play(int stopFrame) const {
    return SendMessageW(Handle(), ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, stopFrame)) != 0;
}

void Animation::Stop() const {
    SendMessageW(Handle(), ACM_STOP, 0, 0);
}

} // namespace ui
