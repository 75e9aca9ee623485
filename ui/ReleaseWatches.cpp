#include "ui/ReleaseWatches.h"

#include "ui/Application.h"

#include <exception>
#include <utility>

namespace ui {
namespace {

// Where a watched control keeps its watch.
constexpr wchar_t kWatch[] = L"ui.ReleaseWatch";

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

} // namespace

void ReleaseWatches::Set(HWND control, base::InlineFunction<void()> handler) {
    Watch& watch = watches_[control];
    watch.handler = handler;
    if (GetPropW(control, kWatch))
        return;
    watch.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchProc)));
    SetPropW(control, kWatch, &watch);
}

void ReleaseWatches::Clicked(HWND control) {
    const auto found = watches_.find(control);
    if (found == watches_.end() || !found->second.pressPending)
        return;
    found->second.pressPending = false;
    found->second.clickReported = true;
    if (found->second.handler)
        found->second.handler();
}

LRESULT CALLBACK ReleaseWatches::WatchProc(HWND control, UINT msg, WPARAM wParam,
                                           LPARAM lParam) noexcept {
    Watch& watch = *static_cast<Watch*>(GetPropW(control, kWatch));
    const WNDPROC previous = watch.previous;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(control, kWatch);
        return CallWindowProcW(previous, control, msg, wParam, lParam);
    }
    if (IsButtonPress(msg)) {
        // The control may follow the mouse itself until the button goes up and report the
        // release only as its click notification (Clicked).
        watch.pressPending = true;
        watch.clickReported = false;
    }
    const LRESULT result = CallWindowProcW(previous, control, msg, wParam, lParam);
    if (IsButtonRelease(msg) || msg == WM_KEYUP || msg == WM_SYSKEYUP) {
        try {
            Released(watch, IsButtonRelease(msg));
        } catch (...) {
            Application::HandleException(std::current_exception());
        }
    }
    return result;
}

void ReleaseWatches::Released(Watch& watch, bool mouse) {
    if (mouse) {
        watch.pressPending = false;
        // Already run for this press by the control's click notification.
        if (std::exchange(watch.clickReported, false))
            return;
    }
    if (watch.handler)
        watch.handler();
}

} // namespace ui
