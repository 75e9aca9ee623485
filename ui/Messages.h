// Private window messages of the toolkit. WM_APP and above: WM_USER range values may already be
// used by the standard dialog and control procedures.
#pragma once

#include <windows.h>

namespace ui {

// Wakes the hidden window of the main thread to run the steps that other threads handed over.
inline constexpr UINT kMsgSynchronize = WM_APP + 1;
// Posted by a form to itself after the focus moved, to show its child dialog's default button.
inline constexpr UINT kMsgShowDefaultButton = WM_APP + 2;

} // namespace ui
