// A form that the user may make larger: a sizing frame, never smaller than the size it was
// designed at, and controls that keep their distances to the edges they are anchored to (an
// anchor to both opposite edges stretches the control).
#pragma once

#include <windows.h>

#include <vector>

namespace ui {

enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

class Anchors {
public:
    // Remembers the window's client area as designed; nothing changes yet.
    explicit Anchors(HWND window);

    // Gives the window a sizing frame around the same client area; its size then is its
    // smallest.
    void MakeSizeable();
    bool Sizeable() const { return smallest_.cx != 0; }
    void Set(HWND control, unsigned anchors);

    // For the form's message handler: keeps the smallest size and moves the controls.
    bool HandleMessage(UINT msg, LPARAM lParam, LRESULT& result) const;

private:
    struct Anchored {
        HWND Control;
        unsigned Sides;
        RECT Designed;
    };
    void Arrange(int width, int height) const;

    HWND window_;
    SIZE designed_{};
    SIZE smallest_{};
    std::vector<Anchored> controls_;
};

} // namespace ui
