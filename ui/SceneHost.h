// The scenes of a form: child dialogs (DS_CONTROL) made from their templates inside the form's
// window, each at its rectangle and hidden, with its template's id as its control id. A scene is
// made at once (Add), or added on demand and made when it is first needed (Make, MakeHolding);
// the preparation that it was added with then runs once, at once. Only those calls make a scene:
// the lookups (Made, Find, ForEachMade) never do.
//
// The dialog manager looks for the default push button only among the form's own controls; the
// host remembers each scene's, as its template marks it, and shows it as the default again.
#pragma once

#include "base/InlineFunction.h"

#include <windows.h>

#include <vector>

namespace ui {

class SceneHost {
public:
    // The scenes' dialog procedure, and what it receives with WM_INITDIALOG.
    SceneHost(DLGPROC proc, LPARAM param) : proc_(proc), param_(param) {}
    SceneHost(const SceneHost&) = delete;
    SceneHost& operator=(const SceneHost&) = delete;

    // The window that the scenes are made in: the form's, once it is made.
    void Attach(HWND form) { form_ = form; }

    HWND Add(int templateId, const RECT& area);
    void AddOnDemand(int templateId, const RECT& area, base::InlineFunction<void(HWND)> prepare);
    // The scene of the template, made now if it was added on demand and not made yet; null if
    // none was added.
    HWND Make(int templateId);
    // The control of a scene added on demand and not made yet, or such a scene itself by its id:
    // the scene is made now. Null when no such scene holds it.
    HWND MakeHolding(int id);

    // The scene of the template if it has been made; null otherwise.
    HWND Made(int templateId) const;
    // The control of one of the scenes made so far; null if none has it.
    HWND Find(int controlId) const;
    template <typename Visit>
    void ForEachMade(Visit visit) const {
        for (const Scene& scene : scenes_)
            if (scene.window)
                visit(scene.window);
    }

    // The default push button of a scene shown, if it is visible and enabled; 0 otherwise.
    int ShownDefaultButton() const;
    // Shows the scene's default button as the default one, unless the focus is on another push
    // button of the scene. Nothing for a window that is no scene with a default button.
    void ShowDefaultButton(HWND scene) const;

private:
    struct Scene {
        int templateId;
        RECT area;
        // Until it is made: the ids of its template's controls, read without making it, and
        // what prepares it.
        std::vector<int> itemIds;
        base::InlineFunction<void(HWND)> prepare;
        HWND window = nullptr;
        // Its default push button's id (DEFPUSHBUTTON in its template), or 0.
        int defaultButton = 0;
    };

    // Makes the scene at the index of its list, then prepares it.
    HWND MakeScene(std::size_t index);

    DLGPROC proc_;
    LPARAM param_;
    HWND form_ = nullptr;
    // In the order added.
    std::vector<Scene> scenes_;
};

} // namespace ui
