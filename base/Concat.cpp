#include "base/Concat.h"

namespace base {

std::wstring Concat(std::initializer_list<std::wstring_view> parts) {
    std::size_t size = 0;
    for (std::wstring_view part : parts)
        size += part.size();
    std::wstring text;
    text.reserve(size);
    for (std::wstring_view part : parts)
        text += part;
    return text;
}

} // namespace base
