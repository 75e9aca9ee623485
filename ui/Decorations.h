// How a form's labels and pictures look beyond their templates: a label's text colour, a font
// made from the form's own, a solid background, a shadow under a label's text. The form hands
// over WM_CTLCOLORSTATIC and WM_CTLCOLORBTN; each control's font and brush is owned here and
// outlives the form's windows, which the form destroys first.
#pragma once

#include "base/Owned.h"

#include <windows.h>

#include <map>
#include <optional>

namespace ui {

class Decorations {
public:
    Decorations() = default;
    Decorations(const Decorations&) = delete;
    Decorations& operator=(const Decorations&) = delete;

    void SetLabelColor(HWND label, COLORREF color);
    // A font like the form's, at the size and in the style given.
    void SetLabelFont(HWND label, HFONT formFont, int pointSize, bool bold, bool italic);
    // What a picture does not cover, or behind a text.
    void SetBackgroundColor(HWND control, COLORREF color);
    // The label draws its text twice: first in the shadow's colour one pixel right and down, then
    // in its own colour. One window carries the text, so screen readers read it once.
    void SetLabelShadow(HWND label, COLORREF shadow);

    // The answer to WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the control's brush, with the text's
    // colours set in the device context; FALSE for a control that has no decoration.
    INT_PTR ControlColor(HDC dc, HWND control) const;

private:
    // What is set for one control: a background once it has its brush, a shadow once the label
    // draws itself.
    struct Look {
        std::optional<COLORREF> text;
        COLORREF shadow = 0;
        COLORREF background = 0;
        base::UniqueBrush backgroundBrush;
        base::UniqueFont font;
    };

    static LRESULT CALLBACK ShadowProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
    void PaintWithShadow(HWND label, const Look& look) const;

    std::map<HWND, Look> looks_;
};

} // namespace ui
