#include "ui/SceneHost.h"

#include "base/Concat.h"
#include "base/Decimal.h"
#include "base/Exception.h"
#include "ui/Application.h"
#include "ui/DialogTemplate.h"
#include "ui/SystemLibraries.h"

#include <algorithm>
#include <utility>

namespace ui {
namespace {

// A push button, default or not, whatever else its style says (an image, a glyph).
bool IsPushButton(HWND control) {
    return (SendMessageW(control, WM_GETDLGCODE, 0, 0) &
            (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Makes the push button the default one or an ordinary one; the rest of its style stays.
void SetDefaultLook(HWND button, bool isDefault) {
    const DWORD style = GetWindowLongW(button, GWL_STYLE) & 0xFFFF & ~BS_TYPEMASK;
    SendMessageW(button, BM_SETSTYLE, style | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

// The id of the scene's default push button as its template made it, or 0.
int TemplateDefaultButton(HWND scene) {
    int id = 0;
    for (HWND control = GetWindow(scene, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            id = GetDlgCtrlID(control);
    return id;
}

} // namespace

HWND SceneHost::Add(int templateId, const RECT& area) {
    scenes_.push_back({templateId, area, {}, {}});
    return MakeScene(scenes_.size() - 1);
}

void SceneHost::AddOnDemand(int templateId, const RECT& area,
                            base::InlineFunction<void(HWND)> prepare) {
    scenes_.push_back({templateId, area, DialogItemIds(templateId), prepare});
}

HWND SceneHost::Make(int templateId) {
    for (std::size_t i = 0; i < scenes_.size(); ++i)
        if (scenes_[i].templateId == templateId)
            return scenes_[i].window ? scenes_[i].window : MakeScene(i);
    return nullptr;
}

HWND SceneHost::MakeHolding(int id) {
    for (std::size_t i = 0; i < scenes_.size(); ++i) {
        const Scene& scene = scenes_[i];
        if (scene.window)
            continue;
        if (scene.templateId == id)
            return MakeScene(i);
        if (std::find(scene.itemIds.begin(), scene.itemIds.end(), id) != scene.itemIds.end())
            return GetDlgItem(MakeScene(i), id);
    }
    return nullptr;
}

HWND SceneHost::Made(int templateId) const {
    for (const Scene& scene : scenes_)
        if (scene.templateId == templateId)
            return scene.window;
    return nullptr;
}

HWND SceneHost::Find(int controlId) const {
    for (const Scene& scene : scenes_) {
        if (!scene.window)
            continue;
        if (HWND control = GetDlgItem(scene.window, controlId))
            return control;
    }
    return nullptr;
}

int SceneHost::ShownDefaultButton() const {
    for (const Scene& scene : scenes_) {
        if (scene.defaultButton == 0)
            continue;
        HWND button = GetDlgItem(scene.window, scene.defaultButton);
        if (IsWindowVisible(scene.window) && IsWindowVisible(button) && IsWindowEnabled(button))
            return scene.defaultButton;
    }
    return 0;
}

// The dialog manager moves the default look onto a push button that takes the focus, and looks
// for the default button to give it back only among the form's own controls, not a scene's: the
// host gives it back.
void SceneHost::ShowDefaultButton(HWND window) const {
    const auto scene = std::find_if(scenes_.begin(), scenes_.end(),
                                    [window](const Scene& s) { return s.window == window; });
    if (scene == scenes_.end() || scene->defaultButton == 0)
        return;
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus) && IsPushButton(focus))
        return;
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        if (IsPushButton(control))
            SetDefaultLook(control, GetDlgCtrlID(control) == scene->defaultButton);
}

HWND SceneHost::MakeScene(std::size_t index) {
    const int templateId = scenes_[index].templateId;
    LoadControlLibraries(templateId);
    HWND window = CreateDialogParamW(Application::Instance(), MAKEINTRESOURCEW(templateId), form_,
                                     proc_, param_);
    if (!window)
        base::Throw(
            base::Concat({L"Não foi possível criar a página ", base::Decimal(templateId), L"."}));
    SetWindowLongPtrW(window, GWLP_ID, templateId);
    ForgetImageIds(window);
    const RECT& area = scenes_[index].area;
    SetWindowPos(window, nullptr, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    // Made before it is prepared: the controls that the preparation asks for are found in it.
    scenes_[index].window = window;
    scenes_[index].defaultButton = TemplateDefaultButton(window);
    if (const auto prepare = std::exchange(scenes_[index].prepare, {}))
        prepare(window);
    return window;
}

} // namespace ui
