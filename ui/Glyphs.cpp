#include "ui/Glyphs.h"

#include "ui/Application.h"
#include "base/Owned.h"

#include <map>
#include <utility>

namespace ui::Glyphs {
namespace {

using Key = std::pair<int, int>;

std::map<Key, base::UniqueIcon>& Icons() {
    static std::map<Key, base::UniqueIcon> icons;
    return icons;
}

std::map<Key, base::UniqueImageList>& Lists() {
    static std::map<Key, base::UniqueImageList> lists;
    return lists;
}

std::map<int, base::UniqueBitmap>& Bitmaps() {
    static std::map<int, base::UniqueBitmap> bitmaps;
    return bitmaps;
}

} // namespace

HICON Icon(int resource, int size) {
    Key key{resource, size};
    auto& icons = Icons();
    auto found = icons.find(key);
    if (found != icons.end())
        return found->second.Get();
    auto* icon = static_cast<HICON>(LoadImageW(Application::Instance(), MAKEINTRESOURCEW(resource),
                                               IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!icon)
        return nullptr;
    return icons.emplace(key, base::UniqueIcon(icon)).first->second.Get();
}

HIMAGELIST ImageList(int resource, int size) {
    Key key{resource, size};
    auto& lists = Lists();
    auto found = lists.find(key);
    if (found != lists.end())
        return found->second.Get();
    HICON icon = Icon(resource, size);
    if (!icon)
        return nullptr;
    base::UniqueImageList list(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 0));
    ImageList_AddIcon(list.Get(), icon);
    return lists.emplace(key, std::move(list)).first->second.Get();
}

HBITMAP Bitmap(int resource) {
    auto& bitmaps = Bitmaps();
    auto found = bitmaps.find(resource);
    if (found != bitmaps.end())
        return found->second.Get();
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(
        Application::Instance(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap)
        return nullptr;
    return bitmaps.emplace(resource, base::UniqueBitmap(bitmap)).first->second.Get();
}

} // namespace ui::Glyphs
