// The C++ library's raising function for std::mutex and std::condition_variable, when the system
// refuses them: a base::LibraryError (ui/LibraryError.h) in place of std::system_error, whose
// object brings the library's string code and error categories in. Apart from LibraryError.cpp
// because a program that uses those categories itself (the tests, through std::filesystem) needs
// the library's object, and with it this definition: only the program links this file.
#include "base/LibraryError.h"

#include <bits/functexcept.h>

namespace std {

void __throw_system_error(int) {
    throw base::LibraryError("system_error");
}

} // namespace std
