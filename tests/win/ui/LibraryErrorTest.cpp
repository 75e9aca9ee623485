// The C++ library's errors as the program raises them (base/LibraryError.cpp is linked into these
// tests as into the program): an index past the end and a container past its largest size are
// caught as any error and shown by their text.
#include "base/LibraryError.h"

#include "base/Exception.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// What the standard error display would show for the error that the step raises; empty when it
// raised the library's own type or nothing.
std::wstring MensagemDoErro(void (*passo)()) {
    try {
        passo();
    } catch (const std::logic_error&) {
        ADD_FAILURE() << "the library's own type, which brings its string code in";
    } catch (const base::LibraryError& erro) {
        return base::MessageOf(erro);
    } catch (const std::exception&) {
        ADD_FAILURE() << "an error of another type";
    }
    return {};
}

TEST(LibraryError, AnIndexPastTheEndIsShownWithTheIndexAndTheSize) {
    EXPECT_EQ(MensagemDoErro([] {
                  std::vector<int> numeros(2);
                  numeros.at(5) = 1;
              }),
              L"vector::_M_range_check: __n (which is 5) >= this->size() (which is 2)");
}

TEST(LibraryError, AStringPastItsLargestSizeIsShownWithTheLibrarysText) {
    EXPECT_EQ(MensagemDoErro([] {
                  std::wstring texto;
                  texto.reserve(texto.max_size() + 1);
              }),
              L"basic_string::_M_create");
}

TEST(LibraryError, ALongTextIsCutAtTheBuffersEnd) {
    const std::string longo(500, 'x');
    const base::LibraryError erro(longo.c_str());
    EXPECT_EQ(std::string(erro.what()), longo.substr(0, base::LibraryError::kCapacity - 1));
}

} // namespace
