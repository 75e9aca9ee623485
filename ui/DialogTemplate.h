// Dialog templates: the control ids of a DIALOGEX template in the program's resources, read from
// the template's bytes without making a window (what a form needs to know to make a scene only
// when one of its controls is first asked for), and what a window made from one must forget.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

// A control of a template: its id, and its class when the template names it by a string (the
// standard classes are named by number, and their class is empty here).
struct DialogItem {
    int Id = 0;
    std::wstring Class;
};

// The template's controls in template order; throws base::Exception when the program has no such
// template or it is not a well-formed DIALOGEX.
std::vector<DialogItem> DialogItems(int templateId);
std::vector<int> DialogItemIds(int templateId);

// A picture made from a template with its image's resource id keeps that id as its window text
// (0xFFFF and the number), which screen readers would read as its name. The text of each such
// control of the container goes; the image stays.
void ForgetImageIds(HWND container);

} // namespace ui
