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
    // Id of an icon resource drawn beside the caption; 0 for none.
    int Glyph() const { return glyph_; }
    void SetGlyph(int iconResource) { glyph_ = iconResource; }
    void SetOnExecute(std::function<void()> onExecute) { onExecute_ = std::move(onExecute); }

    void Execute() const {
        if (onExecute_)
            onExecute_();
    }

private:
    std::wstring caption_;
    std::wstring hint_;
    int glyph_ = 0;
    std::function<void()> onExecute_;
};

} // namespace ui
