// A form: a window made from a DIALOGEX template, shown modally by a loop of its own.
//
// How it works: the window is created hidden and modeless from its template. ShowModal disables
// the thread's other windows, shows the form and runs GetMessage until a modal result is set;
// IsDialogMessage gives Tab, the arrow keys and mnemonics their dialog meaning. Every way to close
// (close box, Alt+F4, Escape, Close(), EndModal()) sets a modal result; the loop then asks
// CloseQuery() and goes on when it answers false. Scenes are child dialogs (DS_CONTROL) whose
// commands reach the form, so control ids are unique across the form and its scenes. No
// exception leaves a dialog procedure: the standard exception display shows it.
#pragma once

#include "ui/Action.h"
#include "ui/Controls.h"
#include "base/Owned.h"

#include <windows.h>

#include <functional>
#include <map>
#include <utility>
#include <string>
#include <vector>

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
    // A control of the form or of one of its scenes.
    HWND Item(int id) const;

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
    void SetCaption(const std::wstring& caption) const { SetWindowTextW(hwnd_, caption.c_str()); }
    void CenterOnScreen() const;

    // A child dialog made from a template, placed at the given rectangle of the client area and
    // hidden; its controls belong to this form. Its own control id is the template's id.
    HWND AddChildDialog(int templateId, const RECT& area);
    // A child dialog made only when it is first needed: when Item() looks for one of its controls
    // or for its own id, or ChildDialog() asks for it. Once made it is one like AddChildDialog's,
    // and `made` runs once, at once, to prepare its controls.
    void AddChildDialogOnDemand(int templateId, const RECT& area, std::function<void(HWND)> made);
    // The child dialog of the template, made now if it was added on demand; null if none was added.
    HWND ChildDialog(int templateId) const;
    // The child dialog of the template if it has been made; null otherwise, and nothing is made.
    HWND MadeChildDialog(int templateId) const;
    // Gives the focus to the first control of the container (the form, or one of its child
    // dialogs) that Tab stops at. When the form shown has no control that could take it, the form
    // keeps the focus itself, so that it never stays on a control that was hidden. Nothing happens
    // while the container is not shown. A child dialog's default push button (DEFPUSHBUTTON in its
    // template) is shown as the default again: Enter presses it wherever the focus is in it, unless
    // the focus is on another push button.
    void FocusFirstControl(HWND container) const;
    // The control that has the focus each time the form is shown, whatever had it before.
    void SetActiveControl(int controlId) { activeControl_ = controlId; }

    // The control carries the action: its caption, glyph, hint and click handler. Binding again
    // replaces all four. An image-only button shows the glyph, large, as its image and keeps the
    // caption as its window text, which screen readers read. A caption that is only a sign ("?",
    // "...") names nothing to a listener: screen readers read the hint as the control's name.
    void Bind(int controlId, const Action& action, bool imageOnly = false);
    const Action* BoundAction(int controlId) const;
    // A command that no button carries (a toolbar button, a menu item) runs the action.
    void BindCommand(int commandId, const Action& action) { actions_[commandId] = action; }

    // Runs the handler once each time a mouse button or a key is released in the control. A
    // control that follows the mouse itself on a button press (a list view) reports the release
    // as its click notification, which counts the same.
    void SetOnRelease(int controlId, std::function<void()> handler);

    // The caption bar's and the task bar's icon, from the program's icon resources; nothing when
    // the program has no such icon.
    void SetIcon(int iconResource) const;

    // A tooltip with the text; an empty text removes it.
    void SetHint(HWND control, const std::wstring& text);
    std::wstring Hint(HWND control) const;

    // Label appearance: colour of the text, and a font made from the form's own.
    void SetLabelColor(int controlId, COLORREF color);
    void SetLabelFont(int controlId, int pointSize, bool bold, bool italic = false);
    // A solid background for a static control: what a picture does not cover, or behind a text.
    void SetBackgroundColor(int controlId, COLORREF color);
    // The label draws its text twice: first in the shadow's colour one pixel right and down, then
    // in its own colour. One window carries the text, so screen readers read it once.
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
    static INT_PTR CALLBACK ChildDialogProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    INT_PTR HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleControlColor(HDC dc, HWND control);
    bool HandleCommand(int id, int notifyCode, HWND control);
    void EnsureTooltip();
    static LRESULT CALLBACK ReleaseWatchProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static LRESULT CALLBACK ShadowProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
    void PaintWithShadow(HWND label) const;
    // Makes the child dialog added on demand that holds the control (or is it); null if none does.
    HWND MakeChildDialogHolding(int id) const;
    HWND MakeChildDialog(int templateId, const RECT& area) const;
    // The default push button of the child dialog shown, or 0.
    int ShownDefaultButton() const;
    void ShowDefaultButton(HWND childDialog) const;
    void HandleRelease(HWND control, bool mouse);
    void HandleClickNotification(HWND control);

    struct ReleaseWatch {
        std::function<void()> handler;
        bool pressPending = false;  // a button went down and its release was not seen yet
        bool clickReported = false; // the control reported that press's click already
    };

    struct ChildDialogOnDemand {
        int templateId;
        RECT area;
        std::vector<int> itemIds;
        std::function<void(HWND)> made;
    };

    HWND hwnd_ = nullptr;
    // Making a child dialog on demand changes nothing that the form shows: the lookups that make
    // one are const.
    mutable std::vector<HWND> childDialogs_;
    mutable std::vector<ChildDialogOnDemand> onDemand_;
    // The controls that Item() has found, by id.
    mutable std::map<int, HWND> items_;
    // Each child dialog's default push button, as its template marks it.
    mutable std::map<HWND, int> defaultButtons_;
    int modalResult_ = mrNone;
    bool modal_ = false;
    int activeControl_ = 0;
    std::map<int, Action> actions_;
    std::map<int, COLORREF> labelColors_;
    std::map<int, std::pair<COLORREF, base::UniqueBrush>> backgrounds_;
    std::map<HWND, COLORREF> shadows_;
    std::vector<base::UniqueFont> fonts_;
    base::UniqueWindow tooltip_;
    std::map<HWND, std::wstring> hints_;
    std::map<HWND, ReleaseWatch> releaseWatches_;
};

} // namespace ui
