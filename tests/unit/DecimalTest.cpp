#include "base/Decimal.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(Decimal, WholeNumbersAsTheirDecimalText) {
    EXPECT_EQ(base::Decimal(0), L"0");
    EXPECT_EQ(base::Decimal(7), L"7");
    EXPECT_EQ(base::Decimal(1252), L"1252");
    EXPECT_EQ(base::Decimal(-5), L"-5");
    EXPECT_EQ(base::Decimal(-1000), L"-1000");
}

// The text that std::to_wstring gave, at the ends of the range too (the most negative number has
// no positive counterpart of its type).
TEST(Decimal, TheEndsOfTheRangeReadAsToWstringReadsThem) {
    for (const std::int64_t numero :
         {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(),
          std::int64_t{std::numeric_limits<std::int32_t>::min()},
          std::int64_t{std::numeric_limits<std::uint32_t>::max()}, std::int64_t{-1},
          std::int64_t{10}, std::int64_t{99}, std::int64_t{100}})
        EXPECT_EQ(base::Decimal(numero), std::to_wstring(numero)) << numero;
}

} // namespace
