#include "ui/Application.h"

#include "ui/Exception.h"
#include "ui/Form.h"
#include "ui/Messages.h"
#include "ui/Owned.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace ui::Application {
namespace {

struct State {
    DWORD mainThread = 0;
    std::wstring title;
    int hintHidePause = 5000;
    std::vector<HWND> tooltips;
    std::vector<Form*> modalForms;
    UniqueWindow dispatcher;
    UniqueLibrary richEdit;
};

State& Current() {
    static State state;
    return state;
}

// A step handed to the main thread, with what it threw.
struct HandedStep {
    const std::function<void()>* step;
    std::exception_ptr error;
};

LRESULT CALLBACK DispatcherProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == kMsgSynchronize) {
        auto* handed = reinterpret_cast<HandedStep*>(lParam);
        try {
            (*handed->step)();
        } catch (...) {
            handed->error = std::current_exception();
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::wstring ProgramName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

bool IsOurDialog(HWND hwnd) {
    return Form::FromHandle(hwnd) != nullptr;
}

} // namespace

void Initialize() {
    State& s = Current();
    if (s.mainThread != 0)
        return;
    s.mainThread = GetCurrentThreadId();
    s.title = ProgramName();

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                             ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                             ICC_BAR_CLASSES | ICC_ANIMATE_CLASS |
                                             ICC_USEREX_CLASSES};
    InitCommonControlsEx(&icc);
    // Only from the system directory: a setup program runs next to whatever was downloaded.
    s.richEdit.Reset(LoadLibraryExW(L"msftedit.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));

    WNDCLASSW wc{};
    wc.lpfnWndProc = DispatcherProc;
    wc.hInstance = Instance();
    wc.lpszClassName = L"ui.Dispatcher";
    RegisterClassW(&wc);
    s.dispatcher.Reset(CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, Instance(), nullptr));
}

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

bool IsMainThread() {
    return GetCurrentThreadId() == Current().mainThread;
}

const std::wstring& Title() {
    return Current().title;
}

void SetTitle(const std::wstring& title) {
    Current().title = title;
}

int HintHidePause() {
    return Current().hintHidePause;
}

void SetHintHidePause(int milliseconds) {
    State& s = Current();
    s.hintHidePause = milliseconds;
    for (HWND tooltip : s.tooltips)
        SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
}

void RegisterTooltip(HWND tooltip) {
    Current().tooltips.push_back(tooltip);
    SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(HintHidePause(), 0));
}

void UnregisterTooltip(HWND tooltip) {
    auto& list = Current().tooltips;
    list.erase(std::remove(list.begin(), list.end(), tooltip), list.end());
}

Form* ActiveModalForm() {
    auto& forms = Current().modalForms;
    return forms.empty() ? nullptr : forms.back();
}

void PushModal(Form* form) {
    Current().modalForms.push_back(form);
}

void PopModal(Form* form) {
    auto& forms = Current().modalForms;
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

void DispatchOne(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsOurDialog(root) && IsDialogMessageW(root, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchOne(msg);
    }
}

void RunOnMainThread(const std::function<void()>& step) {
    if (IsMainThread()) {
        step();
        return;
    }
    if (!Current().dispatcher)
        throw Exception(L"A aplicação não foi inicializada.");
    HandedStep handed{&step, nullptr};
    SendMessageW(Current().dispatcher.Get(), kMsgSynchronize, 0, reinterpret_cast<LPARAM>(&handed));
    if (handed.error)
        std::rethrow_exception(handed.error);
}

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
    Form* owner = ActiveModalForm();
    return MessageBoxW(owner ? owner->Handle() : nullptr, text.c_str(), caption.c_str(), flags);
}

void ShowException(const std::exception& error) {
    ShowMessageBox(MessageOf(error), Title(), MB_OK | MB_ICONERROR);
}

void HandleException(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        try {
            ShowException(e);
        } catch (...) {
        }
    } catch (...) {
        ::MessageBoxW(nullptr, L"Erro desconhecido.", Title().c_str(), MB_OK | MB_ICONERROR);
    }
}

} // namespace ui::Application
