// The framework's non-visual control: a child window that is created hidden, never takes the
// focus, is always 24 x 24 pixels and paints nothing but its icon bitmap. Objects that hold data
// for a window (the installation description) derive from it to have a place among its controls.
#pragma once

#include "base/Owned.h"

#include <windows.h>

namespace kt {

class TControleNV {
public:
    static constexpr int kLado = 24;

    // A child of the owner window showing the bitmap resource of that name as its icon.
    TControleNV(HWND dono, const wchar_t* bitmapDoIcone);
    virtual ~TControleNV() = default;
    TControleNV(const TControleNV&) = delete;
    TControleNV& operator=(const TControleNV&) = delete;

    HWND Handle() const { return janela_.Get(); }
    HBITMAP Icone() const { return icone_.Get(); }

private:
    static LRESULT CALLBACK ProcedimentoDaJanela(HWND, UINT, WPARAM, LPARAM) noexcept;
    void Pintar(HWND janela) const;

    base::UniqueBitmap icone_;
    base::UniqueWindow janela_;
};

} // namespace kt
