// Whole numbers as decimal text, for messages and the texts the program writes. std::to_wstring
// formats through the C library's printf family, which brings its whole formatting engine
// (floating point included, some 40 KB) into the program for a few integers. Portable: no Win32
// here.
#pragma once

#include <cstdint>
#include <string>

namespace base {

std::wstring Decimal(std::int64_t numero);

} // namespace base
