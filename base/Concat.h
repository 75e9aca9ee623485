// A text made of parts, in one allocation. A chain of operator+ makes and destroys a string for
// every step, each with its cleanup on the way out of an exception, at every place it is written;
// this is one call with the parts' views. Portable: no Win32 here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace base {

std::wstring Concat(std::initializer_list<std::wstring_view> parts);

} // namespace base
