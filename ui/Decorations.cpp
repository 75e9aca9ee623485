#include "ui/Decorations.h"

#include "ui/Controls.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace ui {
namespace {

constexpr UINT_PTR kShadowSubclass = 1;

} // namespace

void Decorations::SetLabelColor(HWND label, COLORREF color) {
    looks_[label].text = color;
    InvalidateRect(label, nullptr, TRUE);
}

void Decorations::SetLabelFont(HWND label, HFONT formFont, int pointSize, bool bold, bool italic) {
    LOGFONTW font{};
    GetObjectW(formFont, sizeof font, &font);
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? TRUE : FALSE;
    base::UniqueFont made(CreateFontIndirectW(&font));
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    // The font that the label had from here goes once the label no longer uses it.
    looks_[label].font = std::move(made);
}

void Decorations::SetBackgroundColor(HWND control, COLORREF color) {
    Look& look = looks_[control];
    look.background = color;
    look.backgroundBrush.Reset(CreateSolidBrush(color));
    InvalidateRect(control, nullptr, TRUE);
}

void Decorations::SetLabelShadow(HWND label, COLORREF shadow) {
    looks_[label].shadow = shadow;
    SetWindowSubclass(label, &ShadowProc, kShadowSubclass, reinterpret_cast<DWORD_PTR>(this));
    InvalidateRect(label, nullptr, TRUE);
}

INT_PTR Decorations::ControlColor(HDC dc, HWND control) const {
    const auto found = looks_.find(control);
    if (found == looks_.end())
        return FALSE;
    const Look& look = found->second;
    if (look.backgroundBrush) {
        SetBkColor(dc, look.background);
        return reinterpret_cast<INT_PTR>(look.backgroundBrush.Get());
    }
    if (!look.text)
        return FALSE;
    SetTextColor(dc, *look.text);
    SetBkMode(dc, TRANSPARENT);
    // Hollow, so that a label drawn over another (the titles' shadow) keeps what lies below.
    return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
}

LRESULT CALLBACK Decorations::ShadowProc(HWND label, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) noexcept {
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(label, &ShadowProc, kShadowSubclass);
    if (msg == WM_PAINT) {
        const auto* decorations = reinterpret_cast<const Decorations*>(self);
        decorations->PaintWithShadow(label, decorations->looks_.find(label)->second);
        return 0;
    }
    return DefSubclassProc(label, msg, wParam, lParam);
}

// As the static control draws a left-aligned text, twice. The label is transparent: what lies
// under it is the parent's.
void Decorations::PaintWithShadow(HWND label, const Look& look) const {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(label, &paint);
    RECT area{};
    GetClientRect(label, &area);
    const std::wstring text = Control(label).Text();
    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ before = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    UINT format = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
    if (GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    RECT shadow = area;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, look.shadow);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
    SetTextColor(dc, look.text.value_or(GetSysColor(COLOR_WINDOWTEXT)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    if (before)
        SelectObject(dc, before);
    EndPaint(label, &paint);
}

} // namespace ui
