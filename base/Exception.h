// The runtime's exceptions: a message in the user's language and nothing else. std::bad_alloc
// plays the runtime's out-of-memory error. Portable: no Win32 here.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace base {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message = {}) : message_(std::move(message)) {}
    const std::wstring& Message() const { return message_; }
    // One text at one address for every Exception: MessageOf knows the program's own errors by the
    // address, the program being built without run-time type information. An array, so that the
    // address is the one variable's and not that of a copy of the literal in each object.
    const char* what() const noexcept final { return kWhat; }
    static constexpr char kWhat[] = "base::Exception";

private:
    std::wstring message_;
};

// Raised where code finds an invalid object (a null record or routine); a real memory fault is
// not recoverable in C++ and ends the program with the system's report.
class EAccessViolation : public Exception {
public:
    using Exception::Exception;
};

// A text that should be a number and is not.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Raises an Exception with the message. The raising code is made here once, not at every place
// that raises one.
[[noreturn]] void Throw(std::wstring_view message);

// The message that the standard exception display shows for any error: an Exception's own, or
// what() read as UTF-8 (the way errors of the layers above carry their message).
std::wstring MessageOf(const std::exception& error);

} // namespace base
