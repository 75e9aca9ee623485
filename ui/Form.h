// A form: a window made from a DIALOGEX template, shown modally by a loop of its own.
//
// How it works: the window is created hidden and modeless from its template. ShowModal disables
// the thread's other windows, shows the form and runs GetMessage until a modal result is set;
// IsDialogMessage gives Tab, the arrow keys and mnemonics their dialog meaning. Every way to close
// (close box, Alt+F4, Escape, Close(), EndModal()) sets a modal result; the loop then asks
// CloseQuery() and goes on when it answers false. Scenes are child dialogs (DS_CONTROL, held by
// the form's SceneHost) whose commands reach the form, so control ids are unique across the form
// and its scenes. No exception leaves a dialog procedure: the standard exception display shows
// it. What the form adds to its controls has a helper each: Decorations (fonts, colours, shadows,
// backgrounds), Hints (the tooltip) and ReleaseWatches (handlers of a release).
#pragma once

#include "ui/Action.h"
#include "ui/Controls.h"
#include "ui/Decorations.h"
#include "ui/Hints.h"
#include "ui/ReleaseWatches.h"
#include "ui/SceneHost.h"

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

namespace ui {

enum ModalResult : int { mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrYes = IDYES, mrNo = IDNO };

class Form {
public:
    // Creates the window from the template, hidden whatever the template says.
    explicit Form(int templateId, HWND owner = nullptr);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The form whose window this is, or null for any other window.
    static Form* FromHandle(HWND hwnd);

    HWND Handle() const { return hwnd_; }
    // A control of the form or of one of its scenes; the scene added on demand that holds it (or
    // is it) is made now.
    HWND Item(int id);
    // A control of the form or of a scene already made; null otherwise, and nothing is made.
    HWND FindItem(int id) const;

    int ShowModal();
    bool Modal() const { return modal_; }
    // Asks to close: in the modal loop the close query decides; otherwise it hides the form.
    void Close();
    void EndModal(int result);
    int ModalResultValue() const { return modalResult_; }

    void Show() const { ShowWindow(hwnd_, SW_SHOW); }
    void Hide() const { ShowWindow(hwnd_, SW_HIDE); }
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    std::wstring Caption() const { return Control(hwnd_).Text(); }
    void SetCaption(std::wstring_view caption) const;
    void CenterOnScreen() const;

    // The scenes, made at once or on demand (SceneHost).
    SceneHost& Scenes() { return scenes_; }
    const SceneHost& Scenes() const { return scenes_; }
    // Gives the focus to the first control of the container (the form, or one of its scenes) that
    // Tab stops at. When the form shown has no control that could take it, the form keeps the focus
    // itself, so that it never stays on a control that was hidden. Nothing happens while the
    // container is not shown. A scene's default push button (DEFPUSHBUTTON in its template) is
    // shown as the default again: Enter presses it wherever the focus is in it, unless the focus is
    // on another push button.
    void FocusFirstControl(HWND container) const;
    // The control that has the focus each time the form is shown, whatever had it before.
    void SetActiveControl(int controlId) { activeControl_ = controlId; }

    // The control carries the action: its caption, glyph, hint and click handler. Binding again
    // replaces all four. An image-only button shows the glyph, large, as its image and keeps the
    // caption as its window text, which screen readers read. A caption that is only a sign ("?",
    // "...") names nothing to a listener: screen readers read the hint as the control's name.
    void Bind(int controlId, const Action& action, bool imageOnly = false);
    // The same with an action of a caption, a handler and a hint, and no glyph.
    void Bind(int controlId, std::wstring_view caption, Action::Handler onExecute,
              std::wstring_view hint = {});
    const Action* BoundAction(int controlId) const;
    // A command that no button carries (a toolbar button, a menu item) runs the action.
    void BindCommand(int commandId, const Action& action) { actions_[commandId] = action; }

    // Runs the handler once each time a mouse button or a key is released in the control
    // (ReleaseWatches).
    void SetOnRelease(int controlId, base::InlineFunction<void()> handler);

    // The caption bar's and the task bar's icon, from the program's icon resources; nothing when
    // the program has no such icon.
    void SetIcon(int iconResource) const;

    // A tooltip with the text; an empty text removes it.
    void SetHint(HWND control, const std::wstring& text) { hints_.Set(hwnd_, control, text); }
    std::wstring Hint(HWND control) const { return hints_.Of(control); }

    // Sets the control's text (Control::SetText) from a view, as the texts' constants are.
    void SetItemText(int controlId, std::wstring_view text);

    // The control's look (Decorations): colour of a label's text, a font made from the form's own,
    // a solid background for a static control, a shadow under a label's text.
    void SetLabelColor(int controlId, COLORREF color);
    void SetLabelFont(int controlId, int pointSize, bool bold, bool italic = false);
    void SetBackgroundColor(int controlId, COLORREF color);
    void SetLabelShadow(int controlId, COLORREF shadow);

    // Pixels at 96 dots per inch, scaled to the screen's DPI.
    static int Scale(int pixels);

protected:
    virtual bool CloseQuery() { return true; }
    // A close was asked for while the form is modal; the close query follows once the modal loop
    // runs again, which a nested modal loop may delay.
    virtual void CloseRequested() {}
    // Commands that no bound action took.
    virtual bool OnCommand(int /*id*/, int /*notifyCode*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static INT_PTR CALLBACK SceneProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    INT_PTR HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // What only the form's own window answers; false for what HandleMessage goes on with.
    bool HandleOwnMessage(UINT msg, WPARAM wParam, INT_PTR& answer);
    bool HandleCommand(int id, int notifyCode, HWND control);

    HWND hwnd_ = nullptr;
    int modalResult_ = mrNone;
    bool modal_ = false;
    int activeControl_ = 0;
    // The controls that Item() has found, by id.
    std::map<int, HWND> items_;
    std::map<int, Action> actions_;
    SceneHost scenes_;
    Decorations decorations_;
    Hints hints_;
    ReleaseWatches releaseWatches_;
};

} // namespace ui
