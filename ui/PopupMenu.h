// A pop-up menu whose items carry actions: an item shows the action's caption, and choosing it
// sends the owner the item's command, as a click on a button bound to the same action does.
#pragma once

#include "ui/Action.h"
#include "base/Owned.h"

#include <windows.h>

namespace ui {

class PopupMenu {
public:
    PopupMenu();

    void Add(int commandId, const Action& action);
    void SetEnabled(int commandId, bool enabled) const;
    bool Enabled(int commandId) const;

    // Shows the menu for a WM_CONTEXTMENU of the control: at the mouse, or, from the keyboard
    // (the context-menu key, Shift+F10), below the control's focused item, or at its corner.
    // Returns when the menu has closed; the chosen item's command is posted to the owner.
    void Popup(HWND owner, HWND control, LPARAM where) const;

private:
    base::UniqueMenu menu_;
};

} // namespace ui
