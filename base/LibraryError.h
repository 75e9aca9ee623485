// What the C++ library raises for a programming error in the program's use of it (an index past
// the end, a container past its largest size): one type, whose message
// is the library's own text, its numbers filled in. It takes the place of std::out_of_range,
// std::length_error and their family, whose constructors copy the text into a string and bring with
// them the library's string code in both of its ABIs, some 75 KB of the program. Nothing in the
// program tells those types apart: such an error goes up as any other and is shown by its what().
//
// LibraryError.cpp defines the library's raising functions (std::__throw_out_of_range and the
// rest); it is linked into the program and the Windows tests as an object, not from a library, so
// that its definitions take the place of the runtime's.
#pragma once

#include <exception>

namespace base {

class LibraryError : public std::exception {
public:
    // The text is copied, cut at the buffer's end: the error may come where memory ran out.
    explicit LibraryError(const char* message) noexcept;
    const char* what() const noexcept override { return message_; }
    // For the library's raising functions whose text is a format.
    char* Buffer() noexcept { return message_; }
    static constexpr unsigned kCapacity = 160;

private:
    char message_[kCapacity];
};

} // namespace base
