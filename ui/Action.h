// Actions: a command with its caption, hint and glyph. Buttons, check boxes and menu items carry
// an action; binding a control to another action changes its caption, glyph, hint and handler.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class Action {
public:
    Action() = default;
    Action(std::wstring caption, std::function<void()> onExecute, std::wstring hint = {})
        : caption_(std::move(caption)), hint_(std::move(hint)), onExecute_(std::move(onExecute)) {}

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    const std::wstring& Hint() const { return hint_; }
    void SetHint(std::wstring hint) { hint_ = std::move(hint); }
    // Name of an icon resource drawn beside the caption; empty for none.
    const std::wstring& Glyph() const { return glyph_; }
    void SetGlyph(std::wstring iconResource) { glyph_ = std::move(iconResource); }
    void SetOnExecute(std::function<void()> onExecute) { onExecute_ = std::move(onExecute); }

    void Execute() const {
        if (onExecute_)
            onExecute_();
    }

private:
    std::wstring caption_;
    std::wstring hint_;
    std::wstring glyph_;
    std::function<void()> onExecute_;
};

} // namespace ui
