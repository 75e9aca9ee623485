#include "ui/Exception.h"

#include <new>

namespace ui {

std::wstring MessageOf(const std::exception& error) {
    if (auto* own = dynamic_cast<const Exception*>(&error))
        return own->Message();
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return L"Memória insuficiente.";
    std::wstring message;
    for (const char* c = error.what(); *c; ++c)
        message += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return message;
}

} // namespace ui
