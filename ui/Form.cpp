#include "ui/Form.h"

#include "base/Concat.h"
#include "base/Decimal.h"
#include "base/Exception.h"
#include "ui/Accessible.h"
#include "ui/Application.h"
#include "ui/DialogTemplate.h"
#include "ui/SystemLibraries.h"
#include "ui/Glyphs.h"
#include "ui/Messages.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace ui {
namespace {

// The widest a hint is drawn, in pixels at 96 dots per inch.
constexpr int kHintWidth = 400;

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

// A caption made only of signs ("?", "...") names nothing to somebody who hears it.
bool NamesSomething(const std::wstring& caption) {
    return std::any_of(caption.begin(), caption.end(),
                       [](wchar_t c) { return IsCharAlphaNumericW(c) != FALSE; });
}

} // namespace

Form::Form(int templateId, HWND owner)
    : scenes_(&SceneProc, reinterpret_cast<LPARAM>(this)), hints_(Scale(kHintWidth)) {
    LoadControlLibraries(templateId);
    CreateDialogParamW(Application::Instance(), MAKEINTRESOURCEW(templateId), owner, &DialogProc,
                       reinterpret_cast<LPARAM>(this));
    if (!hwnd_)
        base::Throw(
            base::Concat({L"Não foi possível criar a janela ", base::Decimal(templateId), L"."}));
    scenes_.Attach(hwnd_);
    ShowWindow(hwnd_, SW_HIDE);
    ForgetImageIds(hwnd_);
}

Form::~Form() {
    // Messages sent while the windows are destroyed must not reach a half-destroyed form.
    scenes_.ForEachMade([](HWND scene) { SetWindowLongPtrW(scene, DWLP_USER, 0); });
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

HWND Form::Item(int id) {
    // A lookup walks the children of the form and of each scene, one system call each; the same
    // controls are asked for over and over (the copying page's on every screen). A control found
    // before still counts while it is a window of this form under the same id: a handle of a
    // destroyed one may come back for another window.
    if (const auto found = items_.find(id);
        found != items_.end() && IsChild(hwnd_, found->second) && GetDlgCtrlID(found->second) == id)
        return found->second;
    HWND item = FindItem(id);
    if (!item)
        item = scenes_.MakeHolding(id);
    if (item)
        items_[id] = item;
    return item;
}

HWND Form::FindItem(int id) const {
    HWND item = GetDlgItem(hwnd_, id);
    return item ? item : scenes_.Find(id);
}

int Form::ShowModal() {
    if (modal_)
        base::Throw(L"A janela já está sendo exibida.");
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
            base::Throw(L"Falha ao ler as mensagens da janela.");
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

void Form::FocusFirstControl(HWND container) const {
    if (!IsWindowVisible(container))
        return;
    scenes_.ShowDefaultButton(container);
    if (HWND first = FirstTabStop(container))
        SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    else if (!FirstTabStop(hwnd_))
        SetFocus(hwnd_);
}

void Form::Bind(int controlId, const Action& action, bool imageOnly) {
    Button control(Item(controlId));
    if (!control.Handle())
        base::Throw(base::Concat({L"Controle ", base::Decimal(controlId), L" inexistente."}));
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

void Form::Bind(int controlId, std::wstring_view caption, Action::Handler onExecute,
                std::wstring_view hint) {
    Bind(controlId, Action(std::wstring(caption), onExecute, std::wstring(hint)));
}

const Action* Form::BoundAction(int controlId) const {
    auto found = actions_.find(controlId);
    return found == actions_.end() ? nullptr : &found->second;
}

void Form::SetOnRelease(int controlId, base::InlineFunction<void()> handler) {
    HWND control = Item(controlId);
    if (!control)
        base::Throw(base::Concat({L"Controle ", base::Decimal(controlId), L" inexistente."}));
    releaseWatches_.Set(control, handler);
}

void Form::SetIcon(int iconResource) const {
    if (HICON big = Glyphs::Icon(iconResource, GetSystemMetrics(SM_CXICON)))
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = Glyphs::Icon(iconResource, GetSystemMetrics(SM_CXSMICON)))
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void Form::SetLabelColor(int controlId, COLORREF color) {
    decorations_.SetLabelColor(Item(controlId), color);
}

void Form::SetCaption(std::wstring_view caption) const {
    SetWindowTextW(hwnd_, std::wstring(caption).c_str());
}

void Form::SetItemText(int controlId, std::wstring_view text) {
    Control(Item(controlId)).SetText(std::wstring(text));
}

void Form::SetLabelFont(int controlId, int pointSize, bool bold, bool italic) {
    const auto formFont = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    decorations_.SetLabelFont(Item(controlId), formFont, pointSize, bold, italic);
}

void Form::SetBackgroundColor(int controlId, COLORREF color) {
    decorations_.SetBackgroundColor(Item(controlId), color);
}

void Form::SetLabelShadow(int controlId, COLORREF shadow) {
    decorations_.SetLabelShadow(Item(controlId), shadow);
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

INT_PTR CALLBACK Form::SceneProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
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
    if (INT_PTR answer = FALSE; window == hwnd_ && HandleOwnMessage(msg, wParam, answer))
        return answer;
    switch (msg) {
    case WM_COMMAND:
        return HandleCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        Close();
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return decorations_.ControlColor(reinterpret_cast<HDC>(wParam),
                                         reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == static_cast<UINT>(NM_CLICK) ||
            header.code == static_cast<UINT>(NM_RCLICK))
            releaseWatches_.Clicked(header.hwndFrom);
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

bool Form::HandleOwnMessage(UINT msg, WPARAM wParam, INT_PTR& answer) {
    switch (msg) {
    case WM_SHOWWINDOW:
        // Posted: the dialog manager sets a focus of its own while the window is being shown.
        if (wParam != FALSE && activeControl_ != 0)
            PostMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(activeControl_)),
                         TRUE);
        return false;
    case WM_NEXTDLGCTL:
        // Once the dialog manager has moved the focus (Tab, Shift+Tab).
        PostMessageW(hwnd_, kMsgShowDefaultButton, 0, 0);
        return false;
    case kMsgShowDefaultButton:
        scenes_.ForEachMade([this](HWND scene) {
            if (IsWindowVisible(scene))
                scenes_.ShowDefaultButton(scene);
        });
        answer = TRUE;
        return true;
    case DM_GETDEFID:
        if (const int id = scenes_.ShownDefaultButton()) {
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, MAKELONG(id, DC_HASDEFID));
            answer = TRUE;
        }
        return true;
    case WM_SETFOCUS:
        // With no control to take it, the focus stays on the form: the dialog manager would give
        // it back to the control that had it, hidden since.
        answer = FirstTabStop(hwnd_) == nullptr;
        return true;
    default:
        return false;
    }
}

bool Form::HandleCommand(int id, int notifyCode, HWND control) {
    if (notifyCode == BN_CLICKED) {
        // Enter sends the default button's click without the button when it is a scene's.
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

} // namespace ui
