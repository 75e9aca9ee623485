#include "ui/Anchors.h"

#include "ui/Controls.h"

namespace ui {

Anchors::Anchors(HWND window) : window_(window) {
    RECT client{};
    GetClientRect(window_, &client);
    designed_ = {client.right, client.bottom};
}

void Anchors::MakeSizeable() {
    const LONG style = GetWindowLongW(window_, GWL_STYLE) | WS_THICKFRAME;
    SetWindowLongW(window_, GWL_STYLE, style);
    RECT frame{0, 0, designed_.cx, designed_.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(style), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)));
    smallest_ = {frame.right - frame.left, frame.bottom - frame.top};
    SetWindowPos(window_, nullptr, 0, 0, smallest_.cx, smallest_.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Anchors::Set(HWND control, unsigned anchors) {
    controls_.push_back({control, anchors, Control(control).Bounds()});
}

bool Anchors::HandleMessage(UINT msg, LPARAM lParam, LRESULT& result) const {
    if (msg == WM_GETMINMAXINFO && Sizeable()) {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest_.cx, smallest_.cy};
        result = 0;
        return true;
    }
    if (msg == WM_SIZE)
        Arrange(LOWORD(lParam), HIWORD(lParam));
    return false;
}

void Anchors::Arrange(int width, int height) const {
    const int dx = width - designed_.cx;
    const int dy = height - designed_.cy;
    for (const Anchored& a : controls_) {
        RECT r = a.Designed;
        if (a.Sides & akRight) {
            r.right += dx;
            if (!(a.Sides & akLeft))
                r.left += dx;
        }
        if (a.Sides & akBottom) {
            r.bottom += dy;
            if (!(a.Sides & akTop))
                r.top += dy;
        }
        Control(a.Control).SetBounds(r);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

} // namespace ui
