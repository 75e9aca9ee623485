// A form's hints: one tooltip window, made with the first hint, that shows the hint of each
// control that has one. The form's window owns it and destroys it with itself; every tooltip
// follows the application's hide pause.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace ui {

class Hints {
public:
    // The widest a hint is drawn, in pixels: a longer text wraps.
    explicit Hints(int maxWidth) : maxWidth_(maxWidth) {}
    ~Hints();
    Hints(const Hints&) = delete;
    Hints& operator=(const Hints&) = delete;

    // The control's hint; an empty text removes it. The tooltip is made on the first call, owned
    // by the form.
    void Set(HWND form, HWND control, const std::wstring& text);
    std::wstring Of(HWND control) const;

private:
    int maxWidth_;
    HWND tooltip_ = nullptr;
    // The tooltip keeps a pointer to each text.
    std::map<HWND, std::wstring> texts_;
};

} // namespace ui
