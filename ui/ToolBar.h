// A toolbar of image buttons. Each button carries an action: the action's glyph is its image and
// the action's hint its tooltip (and the name a screen reader gives it). A click sends the form
// the button's command, as a click on a button bound to the same action does. It is the
// template's ToolbarWindow32 (TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_LIST).
#pragma once

#include "ui/Action.h"
#include "base/Owned.h"

#include <windows.h>

namespace ui {

class ToolBar {
public:
    // Images of the given size in pixels.
    ToolBar(HWND toolbar, int imageSize);
    ~ToolBar();
    ToolBar(const ToolBar&) = delete;
    ToolBar& operator=(const ToolBar&) = delete;

    HWND Handle() const { return handle_; }
    void AddButton(int commandId, const Action& action);
    void AddSeparator();
    void SetEnabled(int commandId, bool enabled) const;
    bool Enabled(int commandId) const;

private:
    HWND handle_;
    base::UniqueImageList images_;
};

} // namespace ui
