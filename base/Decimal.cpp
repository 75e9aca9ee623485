#include "base/Decimal.h"

namespace base {

std::wstring Decimal(std::int64_t numero) {
    // The magnitude as unsigned, so that the most negative number has one too.
    std::uint64_t resto =
        numero < 0 ? 0 - static_cast<std::uint64_t>(numero) : static_cast<std::uint64_t>(numero);
    wchar_t algarismos[24];
    wchar_t* inicio = algarismos + sizeof algarismos / sizeof algarismos[0];
    do {
        *--inicio = static_cast<wchar_t>(L'0' + resto % 10);
        resto /= 10;
    } while (resto != 0);
    if (numero < 0)
        *--inicio = L'-';
    return std::wstring(inicio, algarismos + sizeof algarismos / sizeof algarismos[0]);
}

} // namespace base
