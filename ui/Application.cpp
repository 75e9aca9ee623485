#include "ui/Application.h"

#include "base/Exception.h"
#include "base/Lock.h"
#include "ui/Messages.h"
#include "base/Owned.h"

#include <commctrl.h>

#include <algorithm>
#include <deque>
#include <vector>

namespace ui::Application {
namespace {

// A step handed to the main thread by another thread, on that thread's stack until answered.
struct HandedStep {
    base::FunctionRef<void()> step;
    std::exception_ptr error;
    bool ran = false;
    bool answered = false;
};

// The steps waiting for the main thread, and whether it takes them.
struct HandOvers {
    base::Lock lock;
    base::Condition answered;
    std::deque<HandedStep*> waiting;
    HWND window = nullptr;
};

struct State {
    DWORD mainThread = 0;
    std::wstring title;
    int hintHidePause = 5000;
    std::vector<HWND> tooltips;
    std::vector<HWND> modalWindows;
    // Before the window, which refuses the steps still waiting when it goes.
    HandOvers handOvers;
    base::UniqueWindow dispatcher;
};

constexpr const wchar_t* kDispatcherClass = L"ui.Dispatcher";
constexpr const wchar_t* kMainThreadClosed =
    L"A tarefa principal não atende mais a outras tarefas.";

State& Current() {
    static State state;
    return state;
}

void Answer(HandOvers& h, HandedStep& handed, bool ran, std::exception_ptr error) {
    const base::Held held(h.lock);
    handed.ran = ran;
    handed.error = std::move(error);
    handed.answered = true;
    h.answered.WakeAll();
}

// On the main thread: every step waiting, in the order handed.
void RunHandedSteps() {
    HandOvers& h = Current().handOvers;
    for (;;) {
        HandedStep* handed = nullptr;
        {
            const base::Held held(h.lock);
            if (h.waiting.empty())
                return;
            handed = h.waiting.front();
            h.waiting.pop_front();
        }
        std::exception_ptr error;
        try {
            handed->step();
        } catch (...) {
            error = std::current_exception();
        }
        Answer(h, *handed, true, std::move(error));
    }
}

// The window is going: nothing waits for it any longer.
void RefuseHandedSteps() {
    HandOvers& h = Current().handOvers;
    const base::Held held(h.lock);
    h.window = nullptr;
    for (HandedStep* handed : h.waiting)
        handed->answered = true;
    h.waiting.clear();
    h.answered.WakeAll();
}

LRESULT CALLBACK DispatcherProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == kMsgSynchronize) {
        RunHandedSteps();
        return 0;
    }
    if (msg == WM_DESTROY)
        RefuseHandedSteps();
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// From another thread: queues the step, wakes the main thread and waits for the answer.
void HandOver(base::FunctionRef<void()> step) {
    HandOvers& h = Current().handOvers;
    HandedStep handed;
    handed.step = step;
    {
        base::Held held(h.lock);
        if (!h.window)
            throw EMainThreadClosed(kMainThreadClosed);
        h.waiting.push_back(&handed);
        // Handled like a sent message, without waiting here: the answer comes through `answered`.
        SendNotifyMessageW(h.window, kMsgSynchronize, 0, 0);
        h.answered.Wait(held, [&] { return handed.answered; });
    }
    if (!handed.ran)
        throw EMainThreadClosed(kMainThreadClosed);
    if (handed.error)
        std::rethrow_exception(handed.error);
}

std::wstring ProgramName() {
    std::wstring name = ExePath();
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

// A window made from a dialog template: the forms, whose keyboard input the dialog manager takes.
bool IsDialog(HWND hwnd) {
    return GetClassLongPtrW(hwnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG);
}

} // namespace

void Initialize() {
    State& s = Current();
    if (s.mainThread == 0) {
        s.mainThread = GetCurrentThreadId();
        s.title = ProgramName();
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                 ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                                 ICC_BAR_CLASSES | ICC_ANIMATE_CLASS |
                                                 ICC_USEREX_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSW wc{};
        wc.lpfnWndProc = DispatcherProc;
        wc.hInstance = Instance();
        wc.lpszClassName = kDispatcherClass;
        RegisterClassW(&wc);
    }
    if (s.dispatcher)
        return;
    s.dispatcher.Reset(CreateWindowExW(0, kDispatcherClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, Instance(), nullptr));
    const base::Held held(s.handOvers.lock);
    s.handOvers.window = s.dispatcher.Get();
}

void Finalize() {
    Current().dispatcher.Reset();
}

std::wstring ExePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
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

HWND ActiveModalWindow() {
    const auto& windows = Current().modalWindows;
    return windows.empty() ? nullptr : windows.back();
}

void PushModal(HWND window) {
    Current().modalWindows.push_back(window);
}

void PopModal(HWND window) {
    auto& windows = Current().modalWindows;
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void DispatchOne(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialog(root) && IsDialogMessageW(root, &msg))
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

void ProcessPaintMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageW(&msg);
}

void RunOnMainThread(base::FunctionRef<void()> step) {
    if (IsMainThread())
        step();
    else
        HandOver(step);
}

void WakeActiveModalWindow() {
    if (HWND window = ActiveModalWindow())
        PostMessageW(window, WM_NULL, 0, 0);
}

int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
    const int botao = MessageBoxW(ActiveModalWindow(), text.c_str(), caption.c_str(), flags);
    WakeActiveModalWindow();
    return botao;
}

void ShowException(const std::exception& error) {
    ShowMessageBox(base::MessageOf(error), Title(), MB_OK | MB_ICONERROR);
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
