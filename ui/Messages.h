// Private window messages of the toolkit. WM_APP and above: WM_USER range values may already be
// used by the standard dialog and control procedures.
#pragma once

#include <windows.h>

namespace ui {

// Runs a step handed over by another thread; lParam points to the step.
inline constexpr UINT kMsgSynchronize = WM_APP + 1;

} // namespace ui
