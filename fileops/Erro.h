// The framework's own base exception: a message in the user's language and nothing else. The
// file-operation errors and the stream errors derive from it. Its message is also what() in
// UTF-8, so that a display that knows only std::exception (the toolkit's standard exception
// display) shows it without knowing the framework. Portable: no Win32 here.
#pragma once

#include <exception>
#include <string>

namespace kt {

class EErroKT : public std::exception {
public:
    explicit EErroKT(std::wstring mensagem = {});

    const std::wstring& Mensagem() const { return mensagem_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::wstring mensagem_;
    std::string utf8_;
};

} // namespace kt
