// Icons and image lists loaded from the program's resources once and kept for the whole run, so
// that any control can show them without owning them.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace ui::Glyphs {

// The icon resource with that id at the given size in pixels (scaled for the screen's DPI by the
// caller), or null when there is no such resource.
HICON Icon(int resource, int size);
// An image list holding that one icon, for buttons that show a glyph beside their caption.
HIMAGELIST ImageList(int resource, int size);
// The bitmap resource with that id, or null when there is no such resource.
HBITMAP Bitmap(int resource);

} // namespace ui::Glyphs
