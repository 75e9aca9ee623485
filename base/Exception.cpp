#include "base/Exception.h"

#include <new>
#include <string_view>

namespace base {

namespace {

// A text as UTF-8 carries it; a malformed sequence shows as the replacement character. On
// Windows, where wchar_t has 16 bits, a character beyond them becomes a surrogate pair.
std::wstring FromUtf8(const char* text) {
    std::wstring result;
    const auto* byte = reinterpret_cast<const unsigned char*>(text);
    while (*byte) {
        const unsigned char lead = *byte++;
        const int extra = lead < 0x80    ? 0
                          : lead >= 0xF0 ? 3
                          : lead >= 0xE0 ? 2
                          : lead >= 0xC0 ? 1
                                         : -1;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool valid = extra >= 0;
        for (int i = 0; valid && i < extra; ++i) {
            valid = (*byte & 0xC0) == 0x80;
            if (valid)
                c = (c << 6) | (*byte++ & 0x3F);
        }
        if (!valid || c > 0x10FFFF)
            c = 0xFFFD;
        if constexpr (sizeof(wchar_t) == 2) {
            if (c >= 0x10000) {
                result += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
                c = 0xDC00 + ((c - 0x10000) & 0x3FF);
            }
        }
        result += static_cast<wchar_t>(c);
    }
    return result;
}

} // namespace

void Throw(std::wstring_view message) {
    throw Exception(std::wstring(message));
}

std::wstring MessageOf(const std::exception& error) {
    if (error.what() == Exception::kWhat)
        return static_cast<const Exception&>(error).Message();
    if (std::string_view(error.what()) == std::bad_alloc().what())
        return L"Memória insuficiente.";
    return FromUtf8(error.what());
}

} // namespace base
