// The control ids of a DIALOGEX template in the program's resources, read from the template's
// bytes without making a window: what a form needs to know to make a child dialog only when one
// of its controls is first asked for.
#pragma once

#include <vector>

namespace ui {

// The ids of the template's controls in template order; throws base::Exception when the program
// has no such template or it is not a well-formed DIALOGEX.
std::vector<int> DialogItemIds(int templateId);

} // namespace ui
