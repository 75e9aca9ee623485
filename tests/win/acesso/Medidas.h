// Whether each control's text fits the control, measured as the control draws it: with its own
// font, and with what the control draws beside the text (a check box's box, a button's glyph and
// frame). A label made to cut its text (an ellipsis, no word wrap; its hint carries the whole
// text) is measured only in height.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace teste {

// The window's visible controls, its pages' included, whose text does not fit: one line each,
// naming the control and saying what the text needs and what the control has. Run in the
// window's process.
std::vector<std::string> TextosQueNaoCabem(HWND janela);

} // namespace teste
