#include "ui/ToolBar.h"

#include "ui/Glyphs.h"

#include <commctrl.h>

namespace ui {

ToolBar::ToolBar(HWND toolbar, int imageSize)
    : handle_(toolbar),
      images_(ImageList_Create(imageSize, imageSize, ILC_COLOR32 | ILC_MASK, 4, 4)) {
    SendMessageW(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Buttons without BTNS_SHOWTEXT show only their image, and their text is the tooltip.
    SendMessageW(handle_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(handle_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
}

ToolBar::~ToolBar() {
    // The image list goes first; the toolbar's window goes with the form.
    if (IsWindow(handle_))
        SendMessageW(handle_, TB_SETIMAGELIST, 0, 0);
}

void ToolBar::AddButton(int commandId, const Action& action) {
    int size = 0;
    ImageList_GetIconSize(images_.Get(), &size, &size);
    const int image = action.Glyph() == 0
                          ? I_IMAGENONE
                          : ImageList_AddIcon(images_.Get(), Glyphs::Icon(action.Glyph(), size));
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = commandId;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
    button.iString = reinterpret_cast<INT_PTR>(action.Hint().c_str());
    SendMessageW(handle_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    SendMessageW(handle_, TB_AUTOSIZE, 0, 0);
}

void ToolBar::AddSeparator() {
    TBBUTTON separator{};
    separator.fsStyle = BTNS_SEP;
    SendMessageW(handle_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&separator));
}

void ToolBar::SetEnabled(int commandId, bool enabled) const {
    SendMessageW(handle_, TB_ENABLEBUTTON, static_cast<WPARAM>(commandId), MAKELPARAM(enabled, 0));
}

bool ToolBar::Enabled(int commandId) const {
    return SendMessageW(handle_, TB_ISBUTTONENABLED, static_cast<WPARAM>(commandId), 0) != 0;
}

} // namespace ui
