// The C++ library's raising functions, in place of its own (libstdc++'s functexcept.o), which
// raise the std:: types that drag its string code in. The ones that carry no text keep their
// standard types: the program tells out of memory apart (std::bad_alloc), and they cost nothing.
// The linker takes these definitions because they come first; one left out would bring the
// library's whole object back, and the link would fail on the names defined twice.
#include "base/LibraryError.h"

#include <bits/functexcept.h>
#include <cstdarg>
#include <cstddef>
#include <new>
#include <typeinfo>

namespace __gnu_cxx {
// The library's own small formatter (%s, %zu and %%), which its raising functions use too; it
// declares it in no header.
int __snprintf_lite(char* buffer, std::size_t size, const char* format, va_list arguments);
} // namespace __gnu_cxx

namespace base {

LibraryError::LibraryError(const char* message) noexcept {
    unsigned i = 0;
    for (; message && message[i] && i + 1 < kCapacity; ++i)
        message_[i] = message[i];
    message_[i] = '\0';
}

} // namespace base

namespace std {

void __throw_bad_alloc() {
    throw bad_alloc();
}

void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}

void __throw_bad_cast() {
    throw bad_cast();
}

void __throw_bad_typeid() {
    throw bad_typeid();
}

void __throw_bad_exception() {
    throw bad_exception();
}

void __throw_logic_error(const char* message) {
    throw base::LibraryError(message);
}

void __throw_domain_error(const char* message) {
    throw base::LibraryError(message);
}

void __throw_invalid_argument(const char* message) {
    throw base::LibraryError(message);
}

void __throw_length_error(const char* message) {
    throw base::LibraryError(message);
}

void __throw_out_of_range(const char* message) {
    throw base::LibraryError(message);
}

// An index past the end: the text names the container, the index and the size.
void __throw_out_of_range_fmt(const char* format, ...) {
    base::LibraryError error(nullptr);
    va_list arguments;
    va_start(arguments, format);
    __gnu_cxx::__snprintf_lite(error.Buffer(), base::LibraryError::kCapacity, format, arguments);
    va_end(arguments);
    throw error;
}

void __throw_runtime_error(const char* message) {
    throw base::LibraryError(message);
}

void __throw_range_error(const char* message) {
    throw base::LibraryError(message);
}

void __throw_overflow_error(const char* message) {
    throw base::LibraryError(message);
}

void __throw_underflow_error(const char* message) {
    throw base::LibraryError(message);
}

} // namespace std
