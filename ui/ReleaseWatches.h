// Handlers that run each time a mouse button or a key is released in a control. A control that
// follows the mouse itself on a button press (a list view) reports the release as its click
// notification instead, which the form hands over here and which counts the same: once a click.
//
// How it works: a watched control's window procedure is replaced by one that notes a button press,
// passes every message on to the procedure that it had, and runs the handler after a release. A
// window property of the control points at its watch, which keeps that procedure; the control
// gets it back when it is destroyed.
#pragma once

#include "base/InlineFunction.h"

#include <windows.h>

#include <map>

namespace ui {

class ReleaseWatches {
public:
    ReleaseWatches() = default;
    ReleaseWatches(const ReleaseWatches&) = delete;
    ReleaseWatches& operator=(const ReleaseWatches&) = delete;

    // Watching the control again replaces its handler.
    void Set(HWND control, base::InlineFunction<void()> handler);
    // The control's click notification (NM_CLICK, NM_RCLICK).
    void Clicked(HWND control);

private:
    struct Watch {
        base::InlineFunction<void()> handler;
        WNDPROC previous = nullptr;
        bool pressPending = false;  // a button went down and its release was not seen yet
        bool clickReported = false; // the control reported that press's click already
    };

    static LRESULT CALLBACK WatchProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static void Released(Watch& watch, bool mouse);

    // Each one's address stays while the map holds it: the controls' properties point at them.
    std::map<HWND, Watch> watches_;
};

} // namespace ui
