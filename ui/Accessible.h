// What screen readers read of a control where the system's own reading would name it wrongly or
// not at all: a list with no label before it, a button whose caption is a sign ("...", "?").
//
// How it works: a screen reader asks a window for its accessible object with WM_GETOBJECT; a
// control that does not answer gets the system's proxy for its class (oleacc's standard object),
// which names it by its text or by the label before it. A control named here answers with that
// same proxy wrapped: role, state, value, children and actions stay the system's, and only the
// name is ours. oleacc is loaded from the system directory the first time a reader asks, so that
// a run without one never loads it.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The name that screen readers give the control from now on, for as long as it lives. An empty
// name gives the naming back to the system.
void SetAccessibleName(HWND control, const std::wstring& name);

} // namespace ui
