#include "ui/PopupMenu.h"

#include "base/Exception.h"

#include <commctrl.h>

namespace ui {
namespace {

// Where a menu asked for from the keyboard opens, in screen coordinates.
POINT KeyboardPoint(HWND control) {
    RECT r{};
    wchar_t kind[32] = {};
    GetClassNameW(control, kind, 32);
    if (lstrcmpiW(kind, WC_LISTVIEWW) == 0) {
        const int focused = ListView_GetNextItem(control, -1, LVNI_FOCUSED);
        if (focused < 0 || !ListView_GetItemRect(control, focused, &r, LVIR_LABEL))
            r = RECT{};
    }
    POINT point{r.left, r.bottom};
    ClientToScreen(control, &point);
    return point;
}

} // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
    if (!menu_)
        base::Throw(L"Não foi possível criar o menu.");
}

void PopupMenu::Add(int commandId, const Action& action) {
    AppendMenuW(menu_.Get(), MF_STRING, static_cast<UINT_PTR>(commandId), action.Caption().c_str());
}

void PopupMenu::SetEnabled(int commandId, bool enabled) const {
    EnableMenuItem(menu_.Get(), static_cast<UINT>(commandId),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool PopupMenu::Enabled(int commandId) const {
    return !(GetMenuState(menu_.Get(), static_cast<UINT>(commandId), MF_BYCOMMAND) &
             (MF_GRAYED | MF_DISABLED));
}

void PopupMenu::Popup(HWND owner, HWND control, LPARAM where) const {
    const POINT point =
        where == -1 ? KeyboardPoint(control)
                    : POINT{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    TrackPopupMenu(menu_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0,
                   owner, nullptr);
}

} // namespace ui
