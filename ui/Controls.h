// Thin views of the standard controls that the forms use. A view does not own its window: the
// form that created the control from its template destroys it.
#pragma once

#include "base/InlineFunction.h"

#include <windows.h>

#include <string>

namespace ui {

class Control {
public:
    Control() = default;
    explicit Control(HWND handle) : handle_(handle) {}

    HWND Handle() const { return handle_; }
    int Id() const { return GetDlgCtrlID(handle_); }
    std::wstring Text() const;
    void SetText(const std::wstring& text) const;
    bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
    void SetEnabled(bool enabled) const { EnableWindow(handle_, enabled); }
    // Visible as set on the control itself, whatever its parents show.
    bool Visible() const;
    void SetVisible(bool visible) const;
    void SetFocus() const { ::SetFocus(handle_); }
    // Position and size in the parent's client coordinates, in pixels.
    RECT Bounds() const;
    void SetBounds(const RECT& bounds) const;
    // Paints now what waits to be painted in the control's parent and its children, without
    // handling any other message: progress shown from inside a handler that runs on.
    void Update() const;

private:
    HWND handle_ = nullptr;
};

// For the WM_GETDLGCODE of a subclassed control that takes Enter itself: the control's own
// answer, and Enter wanted, so that the dialog's default button does not take it.
LRESULT DialogCodeWithEnter(HWND control, WPARAM wParam, LPARAM lParam);

class Label : public Control {
public:
    using Control::Control;
};

class Edit : public Control {
public:
    using Control::Control;
    // The most characters the user can type in.
    void SetMaxLength(int characters) const;
    // Enter in the box runs the handler instead of pressing the dialog's default button. The
    // handler lives as long as the box.
    void SetOnEnter(base::InlineFunction<void()> handler) const;
};

// A push button. SetGlyph shows an icon beside the caption; SetImage makes an image-only button
// whose caption stays its window text, which screen readers read.
class Button : public Control {
public:
    using Control::Control;
    void SetGlyph(int iconResource) const;
    void SetImage(int iconResource, int size) const;
    void Click() const;
};

class CheckBox : public Control {
public:
    using Control::Control;
    bool Checked() const;
    void SetChecked(bool checked) const;
};

using RadioButton = CheckBox;

// A static picture showing an icon or a bitmap. The picture does not own what it shows.
class Picture : public Control {
public:
    using Control::Control;
    HICON Icon() const;
    void SetIcon(HICON icon) const;
    HBITMAP Bitmap() const;
    void SetBitmap(HBITMAP bitmap) const;
};

// The progress gauge, 0..100 unless set otherwise.
class Gauge : public Control {
public:
    using Control::Control;
    int Position() const;
    void SetPosition(int position) const;
};

class StatusBar : public Control {
public:
    using Control::Control;
    std::wstring PanelText(int panel) const;
    void SetPanelText(int panel, const std::wstring& text) const;
};

// A list of items with check boxes (a list view in list mode).
class CheckList : public Control {
public:
    using Control::Control;
    // Prepares the view: check boxes, one column as wide as the control.
    void Setup() const;
    void Clear() const;
    int Add(const std::wstring& text) const;
    int Count() const;
    std::wstring Item(int index) const;
    bool Checked(int index) const;
    void SetChecked(int index, bool checked) const;
    // The focused and selected item, or -1.
    int Selected() const;
    void Select(int index) const;
};

// The rich-text box. Loading reads a file as RTF when it starts like one, as ANSI text otherwise.
class RichEdit : public Control {
public:
    using Control::Control;
    // Throws base::Exception when the file cannot be read.
    void LoadFromFile(const std::wstring& path) const;
    void Clear() const { SetText(L""); }
};

// The animation control playing a clip of the system's shell library.
class Animation : public Control {
public:
    using Control::Control;
    // The file-copy clip of shell32. False when the system has no such clip.
    bool OpenFileCopyClip() const;
    // A clip among the program's own resources of type "AVI". False when there is no such clip.
    bool OpenClip(int resource) const;
    // Plays frames 0..stopFrame over and over. False when the clip is shorter.
    bool Play(int stopFrame) const;
    void Stop() const;
};

} // namespace ui
