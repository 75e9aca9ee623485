// Actions: a command with its caption, hint and glyph. Buttons, check boxes and menu items carry
// an action; binding a control to another action changes its caption, glyph, hint and handler.
#pragma once

#include "base/InlineFunction.h"

#include <windows.h>

#include <string>

namespace ui {

class Action {
public:
    // What the command runs: a lambda that captures `this`, or a value or two.
    using Handler = base::InlineFunction<void()>;

    Action() = default;
    Action(std::wstring caption, Handler onExecute, std::wstring hint = {})
        : caption_(std::move(caption)), hint_(std::move(hint)), onExecute_(onExecute) {}

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    const std::wstring& Hint() const { return hint_; }
    void SetHint(std::wstring hint) { hint_ = std::move(hint); }
    // Id of an icon resource drawn beside the caption; 0 for none.
    int Glyph() const { return glyph_; }
    void SetGlyph(int iconResource) { glyph_ = iconResource; }
    void SetOnExecute(Handler onExecute) { onExecute_ = onExecute; }

    void Execute() const {
        if (onExecute_)
            onExecute_();
    }

private:
    std::wstring caption_;
    std::wstring hint_;
    int glyph_ = 0;
    Handler onExecute_;
};

} // namespace ui
