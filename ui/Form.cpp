#include "ui/Form.h"

#include "ui/Accessible.h"
#include "ui/Application.h"
#include "base/Decimal.h"
#include "ui/DialogTemplate.h"
#include "base/Exception.h"
#include "ui/Glyphs.h"
#include "ui/Messages.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace ui {
namespace {

// The thread's enabled, visible top-level windows other than the form: disabled while the form
// is modal, enabled again afterwards.
class ThreadWindowsDisabled {
public:
    explicit ThreadWindowsDisabled(HWND except) : except_(except) {
        EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
        for (HWND window : windows_)
            EnableWindow(window, FALSE);
    }
    ~ThreadWindowsDisabled() {
        for (HWND window : windows_)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) {
        auto* me = reinterpret_cast<ThreadWindowsDisabled*>(self);
        if (window != me->except_ && IsWindowVisible(window) && IsWindowEnabled(window))
            me->windows_.push_back(window);
        return TRUE;
    }

    HWND except_;
    std::vector<HWND> windows_;
};

// Where a watched control keeps the window procedure that it had before.
constexpr wchar_t kPreviousProc[] = L"ui.Form.PreviousProc";

bool IsButtonPress(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool IsButtonRelease(UINT msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

// The first visible, enabled control that Tab stops at, in the order Tab walks: the children in
// their order, child dialogs entered where they stand.
HWND FirstTabStop(HWND container) {
    for (HWND child = GetWindow(container, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            continue;
        if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            if (HWND inner = FirstTabStop(child))
                return inner;
        } else if (style & WS_TABSTOP) {
            return child;
        }
    }
    return nullptr;
}

// A push button, default or not, whatever else its style says (an image, a glyph).
bool IsPushButton(HWND control) {
    return (SendMessageW(control, WM_GETDLGCODE, 0, 0) &
            (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Makes the push button the default one or an ordinary one; the rest of its style stays.
void SetDefaultLook(HWND button, bool isDefault) {
    const DWORD style = GetWindowLongW(button, GWL_STYLE) & 0xFFFF & ~BS_TYPEMASK;
    SendMessageW(button, BM_SETSTYLE, style | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

// A caption made only of signs ("?", "...") names nothing to somebody who hears it.
bool NamesSomething(const std::wstring& caption) {
    return std::any_of(caption.begin(), caption.end(),
                       [](wchar_t c) { return IsCharAlphaNumericW(c) != FALSE; });
}

constexpr UINT_PTR kShadowSubclass = 1;

// A picture made from a template with its image's resource id keeps that id as its window text
// (0xFFFF and the number), which screen readers would read as its name. The text goes; the image
// stays, since the picture's own WM_SETTEXT, which would load another image, is passed by.
void ForgetImageIds(HWND container) {
    for (HWND control = GetWindow(container, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        wchar_t first[2] = {};
        if (GetWindowTextW(control, first, 2) == 1 && first[0] == 0xFFFF)
            DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    }
}

} // namespace

Form::Form(int templateId, HWND owner) {
    CreateDialogParamW(Application::Instance(), MAKEINTRESOURCEW(templateId), owner, &DialogProc,
                       reinterpret_cast<LPARAM>(this));
    if (!hwnd_)
        throw base::Exception(L"Não foi possível criar a janela " + base::Decimal(templateId) +
                              L".");
    ShowWindow(hwnd_, SW_HIDE);
    ForgetImageIds(hwnd_);
}

Form::~Form() {
    if (tooltip_)
        Application::UnregisterTooltip(tooltip_.Get());
    tooltip_.Reset();
    // Messages sent while the windows are destroyed must not reach a half-destroyed form.
    for (HWND child : childDialogs_)
        SetWindowLongPtrW(child, DWLP_USER, 0);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

Form* Form::FromHandle(HWND hwnd) {
    if (!hwnd || GetWindowLongPtrW(hwnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc))
        return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}

HWND Form::Item(int id) const {
    // A lookup walks the children of the form and of each child dialog, one system call each; the
    // same controls are asked for over and over (the copying page's on every screen). A control
    // found before still counts while it is a window of this form under the same id: a handle of
    // a destroyed one may come back for another window.
    if (const auto found = items_.find(id);
        found != items_.end() && IsChild(hwnd_, found->second) && GetDlgCtrlID(found->second) == id)
        return found->second;
    HWND item = GetDlgItem(hwnd_, id);
    for (auto child = childDialogs_.begin(); !item && child != childDialogs_.end(); ++child)
        item = GetDlgItem(*child, id);
    if (!item)
        item = MakeChildDialogHolding(id);
    if (item)
        items_[id] = item;
    return item;
}

int Form::ShowModal() {
    if (modal_)
        throw base::Exception(L"A janela já está sendo exibida.");
    // Owned by the form that was modal before it, so that it stays above that form, also when
    // another program has the foreground; the owner it had comes back afterwards.
    HWND above = Application::ActiveModalWindow();
    const auto ownerBefore = GetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT);
    if (above && above != hwnd_)
        SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(above));
    modal_ = true;
    modalResult_ = mrNone;
    Application::PushModal(hwnd_);
    struct LeaveModal {
        Form* form;
        LONG_PTR owner;
        ~LeaveModal() {
            Application::PopModal(form->hwnd_);
            form->modal_ = false;
            form->Hide();
            SetWindowLongPtrW(form->hwnd_, GWLP_HWNDPARENT, owner);
            Application::WakeActiveModalWindow();
        }
    } leave{this, ownerBefore};
    // Enabled again before the form hides: the system then hands the activation, and the focus
    // with it, back to the form below; to a disabled one it cannot, and the focus would be lost.
    ThreadWindowsDisabled disabled(hwnd_);

    EnableWindow(hwnd_, TRUE);
    // The form was made long before it shows: its focus rectangle and underlined mnemonics follow
    // the input that shows it, as a dialog's do when it is made (shown after a key, hidden after a
    // click, unless the user has them always shown).
    SendMessageW(hwnd_, WM_CHANGEUISTATE,
                 MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    Show();
    SetActiveWindow(hwnd_);
    MSG msg;
    for (;;) {
        if (modalResult_ != mrNone) {
            if (CloseQuery())
                break;
            modalResult_ = mrNone;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Somebody quit the thread: end this loop too and let the outer one see the quit.
            PostQuitMessage(static_cast<int>(msg.wParam));
            modalResult_ = mrCancel;
            break;
        }
        if (got == -1)
            throw base::Exception(L"Falha ao ler as mensagens da janela.");
        Application::DispatchOne(msg);
    }
    return modalResult_;
}

void Form::Close() {
    if (modal_) {
        CloseRequested();
        EndModal(mrCancel);
        return;
    }
    if (CloseQuery())
        Hide();
}

void Form::EndModal(int result) {
    modalResult_ = result;
    // Wakes the modal loop when the result was set from a nested loop or another window.
    PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void Form::CenterOnScreen() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - (r.right - r.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (r.bottom - r.top)) / 2;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Form::AddChildDialog(int templateId, const RECT& area) {
    return MakeChildDialog(templateId, area);
}

HWND Form::MakeChildDialog(int templateId, const RECT& area) const {
    HWND child =
        CreateDialogParamW(Application::Instance(), MAKEINTRESOURCEW(templateId), hwnd_,
                           &ChildDialogProc, reinterpret_cast<LPARAM>(const_cast<Form*>(this)));
    if (!child)
        throw base::Exception(L"Não foi possível criar a página " + base::Decimal(templateId) +
                              L".");
    SetWindowLongPtrW(child, GWLP_ID, templateId);
    ForgetImageIds(child);
    SetWindowPos(child, nullptr, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    childDialogs_.push_back(child);
    for (HWND control = GetWindow(child, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            defaultButtons_[child] = GetDlgCtrlID(control);
    return child;
}

void Form::AddChildDialogOnDemand(int templateId, const RECT& area,
                                  std::function<void(HWND)> made) {
    onDemand_.push_back({templateId, area, DialogItemIds(templateId), std::move(made)});
}

HWND Form::MadeChildDialog(int templateId) const {
    for (HWND child : childDialogs_)
        if (GetDlgCtrlID(child) == templateId)
            return child;
    return nullptr;
}

HWND Form::ChildDialog(int templateId) const {
    if (HWND child = MadeChildDialog(templateId))
        return child;
    return MakeChildDialogHolding(templateId);
}

HWND Form::MakeChildDialogHolding(int id) const {
    const auto holding = std::find_if(onDemand_.begin(), onDemand_.end(), [id](const auto& d) {
        return d.templateId == id ||
               std::find(d.itemIds.begin(), d.itemIds.end(), id) != d.itemIds.end();
    });
    if (holding == onDemand_.end())
        return nullptr;
    // Out of the list before `made` runs: the controls that it prepares are found as made ones.
    ChildDialogOnDemand pending = std::move(*holding);
    onDemand_.erase(holding);
    HWND child = MakeChildDialog(pending.templateId, pending.area);
    if (pending.made)
        pending.made(child);
    return id == pending.templateId ? child : GetDlgItem(child, id);
}

void Form::FocusFirstControl(HWND container) const {
    if (!IsWindowVisible(container))
        return;
    ShowDefaultButton(container);
    if (HWND first = FirstTabStop(container))
        SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    else if (!FirstTabStop(hwnd_))
        SetFocus(hwnd_);
}

int Form::ShownDefaultButton() const {
    for (const auto& [child, id] : defaultButtons_) {
        HWND button = GetDlgItem(child, id);
        if (IsWindowVisible(child) && IsWindowVisible(button) && IsWindowEnabled(button))
            return id;
    }
    return 0;
}

// The dialog manager moves the default look onto a push button that takes the focus, and looks
// for the default button to give it back only among the form's own controls, not a child
// dialog's: the form gives it back.
void Form::ShowDefaultButton(HWND childDialog) const {
    auto found = defaultButtons_.find(childDialog);
    if (found == defaultButtons_.end())
        return;
    HWND focus = GetFocus();
    if (focus && IsChild(childDialog, focus) && IsPushButton(focus))
        return;
    for (HWND control = GetWindow(childDialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        if (IsPushButton(control))
            SetDefaultLook(control, GetDlgCtrlID(control) == found->second);
}

void Form::Bind(int controlId, const Action& action, bool imageOnly) {
    Button control(Item(controlId));
    if (!control.Handle())
        throw base::Exception(L"Controle " + base::Decimal(controlId) + L" inexistente.");
    actions_[controlId] = action;
    SetWindowTextW(control.Handle(), action.Caption().c_str());
    SetAccessibleName(control.Handle(),
                      NamesSomething(action.Caption()) ? std::wstring() : action.Hint());
    if (imageOnly)
        control.SetImage(action.Glyph(), GetSystemMetrics(SM_CXICON));
    else
        control.SetGlyph(action.Glyph());
    SetHint(control.Handle(), action.Hint());
}

const Action* Form::BoundAction(int controlId) const {
    auto found = actions_.find(controlId);
    return found == actions_.end() ? nullptr : &found->second;
}

void Form::SetOnRelease(int controlId, std::function<void()> handler) {
    HWND control = Item(controlId);
    if (!control)
        throw base::Exception(L"Controle " + base::Decimal(controlId) + L" inexistente.");
    releaseWatches_[control].handler = std::move(handler);
    if (GetPropW(control, kPreviousProc))
        return;
    const LONG_PTR previous =
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ReleaseWatchProc));
    SetPropW(control, kPreviousProc, reinterpret_cast<HANDLE>(previous));
}

LRESULT CALLBACK Form::ReleaseWatchProc(HWND control, UINT msg, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(control, kPreviousProc));
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(control, kPreviousProc);
        return CallWindowProcW(previous, control, msg, wParam, lParam);
    }
    Form* form = FromHandle(GetAncestor(control, GA_ROOT));
    if (form && IsButtonPress(msg)) {
        // The control may follow the mouse itself until the button goes up and report the
        // release only as its click notification (see HandleMessage).
        ReleaseWatch& watch = form->releaseWatches_[control];
        watch.pressPending = true;
        watch.clickReported = false;
    }
    const LRESULT result = CallWindowProcW(previous, control, msg, wParam, lParam);
    if (form && (IsButtonRelease(msg) || msg == WM_KEYUP || msg == WM_SYSKEYUP)) {
        try {
            form->HandleRelease(control, IsButtonRelease(msg));
        } catch (...) {
            Application::HandleException(std::current_exception());
        }
    }
    return result;
}

void Form::HandleRelease(HWND control, bool mouse) {
    auto found = releaseWatches_.find(control);
    if (found == releaseWatches_.end())
        return;
    ReleaseWatch& watch = found->second;
    if (mouse) {
        watch.pressPending = false;
        // Already run for this press by the control's click notification.
        if (std::exchange(watch.clickReported, false))
            return;
    }
    if (watch.handler)
        watch.handler();
}

void Form::HandleClickNotification(HWND control) {
    auto found = releaseWatches_.find(control);
    if (found == releaseWatches_.end() || !found->second.pressPending)
        return;
    found->second.pressPending = false;
    found->second.clickReported = true;
    if (found->second.handler)
        found->second.handler();
}

void Form::SetIcon(int iconResource) const {
    if (HICON big = Glyphs::Icon(iconResource, GetSystemMetrics(SM_CXICON)))
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = Glyphs::Icon(iconResource, GetSystemMetrics(SM_CXSMICON)))
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void Form::EnsureTooltip() {
    if (tooltip_)
        return;
    tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   Application::Instance(), nullptr));
    SendMessageW(tooltip_.Get(), TTM_SETMAXTIPWIDTH, 0, Scale(400));
    Application::RegisterTooltip(tooltip_.Get());
}

void Form::SetHint(HWND control, const std::wstring& text) {
    EnsureTooltip();
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    hints_[control] = text;
    if (text.empty())
        return;
    tool.lpszText = const_cast<wchar_t*>(hints_[control].c_str());
    SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring Form::Hint(HWND control) const {
    auto found = hints_.find(control);
    return found == hints_.end() ? std::wstring() : found->second;
}

void Form::SetLabelColor(int controlId, COLORREF color) {
    labelColors_[controlId] = color;
    InvalidateRect(Item(controlId), nullptr, TRUE);
}

void Form::SetLabelFont(int controlId, int pointSize, bool bold, bool italic) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof font, &font);
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? TRUE : FALSE;
    fonts_.emplace_back(CreateFontIndirectW(&font));
    SendMessageW(Item(controlId), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back().Get()), TRUE);
}

int Form::Scale(int pixels) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(pixels, dpi, 96);
}

INT_PTR CALLBACK Form::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    Form* form = nullptr;
    if (msg == WM_INITDIALOG) {
        form = reinterpret_cast<Form*>(lParam);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        return TRUE;
    }
    form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!form)
        return FALSE;
    try {
        return form->HandleMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        Application::HandleException(std::current_exception());
        return TRUE;
    }
}

INT_PTR CALLBACK Form::ChildDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        return FALSE;
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!form)
        return FALSE;
    switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        break;
    default:
        return FALSE;
    }
    try {
        return form->HandleMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        Application::HandleException(std::current_exception());
        return TRUE;
    }
}

INT_PTR Form::HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Posted: the dialog manager sets a focus of its own while the window is being shown.
    if (msg == WM_SHOWWINDOW && wParam != FALSE && activeControl_ != 0 && window == hwnd_)
        PostMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(activeControl_)), TRUE);
    if (window == hwnd_) {
        switch (msg) {
        case WM_NEXTDLGCTL:
            // Once the dialog manager has moved the focus (Tab, Shift+Tab).
            PostMessageW(hwnd_, kMsgShowDefaultButton, 0, 0);
            break;
        case kMsgShowDefaultButton:
            for (HWND child : childDialogs_)
                if (IsWindowVisible(child))
                    ShowDefaultButton(child);
            return TRUE;
        case DM_GETDEFID:
            if (const int id = ShownDefaultButton()) {
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, MAKELONG(id, DC_HASDEFID));
                return TRUE;
            }
            return FALSE;
        case WM_SETFOCUS:
            // With no control to take it, the focus stays on the form: the dialog manager would
            // give it back to the control that had it, hidden since.
            return FirstTabStop(hwnd_) == nullptr;
        default:
            break;
        }
    }
    switch (msg) {
    case WM_COMMAND:
        return HandleCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        Close();
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return HandleControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == static_cast<UINT>(NM_CLICK) ||
            header.code == static_cast<UINT>(NM_RCLICK))
            HandleClickNotification(header.hwndFrom);
        LRESULT result = 0;
        if (!OnNotify(header, result))
            return FALSE;
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    default: {
        LRESULT result = 0;
        if (!OnMessage(msg, wParam, lParam, result))
            return FALSE;
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}

bool Form::HandleCommand(int id, int notifyCode, HWND control) {
    if (notifyCode == BN_CLICKED) {
        // Enter sends the default button's click without the button when it is a child dialog's.
        if (!control)
            control = Item(id);
        // A message (BM_CLICK) can still press a disabled button.
        if (control && !IsWindowEnabled(control))
            return true;
        if (const Action* action = BoundAction(id)) {
            action->Execute();
            return true;
        }
    }
    if (OnCommand(id, notifyCode, control))
        return true;
    // Escape, when no control of the form has the cancel id.
    if (id == IDCANCEL && !Item(IDCANCEL)) {
        Close();
        return true;
    }
    return false;
}

void Form::SetLabelShadow(int controlId, COLORREF shadow) {
    HWND label = Item(controlId);
    shadows_[label] = shadow;
    SetWindowSubclass(label, &ShadowProc, kShadowSubclass, 0);
    InvalidateRect(label, nullptr, TRUE);
}

LRESULT CALLBACK Form::ShadowProc(HWND label, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) noexcept {
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(label, &ShadowProc, kShadowSubclass);
    if (msg == WM_PAINT) {
        if (const Form* form = FromHandle(GetAncestor(label, GA_ROOT))) {
            form->PaintWithShadow(label);
            return 0;
        }
    }
    return DefSubclassProc(label, msg, wParam, lParam);
}

// As the static control draws a left-aligned text, twice. The label is transparent: what lies
// under it is the parent's.
void Form::PaintWithShadow(HWND label) const {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(label, &paint);
    RECT area{};
    GetClientRect(label, &area);
    const std::wstring text = Control(label).Text();
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ before = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    UINT format = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
    if (GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    RECT shadow = area;
    OffsetRect(&shadow, 1, 1);
    auto shadowColor = shadows_.find(label);
    SetTextColor(dc, shadowColor == shadows_.end() ? GetSysColor(COLOR_BTNSHADOW)
                                                   : shadowColor->second);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
    auto own = labelColors_.find(GetDlgCtrlID(label));
    SetTextColor(dc, own == labelColors_.end() ? GetSysColor(COLOR_WINDOWTEXT) : own->second);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    if (before)
        SelectObject(dc, before);
    EndPaint(label, &paint);
}

void Form::SetBackgroundColor(int controlId, COLORREF color) {
    backgrounds_[controlId] = {color, base::UniqueBrush(CreateSolidBrush(color))};
    InvalidateRect(Item(controlId), nullptr, TRUE);
}

INT_PTR Form::HandleControlColor(HDC dc, HWND control) {
    auto background = backgrounds_.find(GetDlgCtrlID(control));
    if (background != backgrounds_.end()) {
        SetBkColor(dc, background->second.first);
        return reinterpret_cast<INT_PTR>(background->second.second.Get());
    }
    auto found = labelColors_.find(GetDlgCtrlID(control));
    if (found == labelColors_.end())
        return FALSE;
    SetTextColor(dc, found->second);
    SetBkMode(dc, TRANSPARENT);
    // Hollow, so that a label drawn over another (the titles' shadow) keeps what lies below.
    return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
}

} // namespace ui
