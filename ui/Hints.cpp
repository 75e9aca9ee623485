#include "ui/Hints.h"

#include "ui/Application.h"

#include <commctrl.h>

namespace ui {

Hints::~Hints() {
    if (tooltip_)
        Application::UnregisterTooltip(tooltip_);
}

void Hints::Set(HWND form, HWND control, const std::wstring& text) {
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                                   Application::Instance(), nullptr);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, maxWidth_);
        Application::RegisterTooltip(tooltip_);
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    texts_[control] = text;
    if (text.empty())
        return;
    tool.lpszText = const_cast<wchar_t*>(texts_[control].c_str());
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring Hints::Of(HWND control) const {
    const auto found = texts_.find(control);
    return found == texts_.end() ? std::wstring() : found->second;
}

} // namespace ui
