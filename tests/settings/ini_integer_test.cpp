#include "settings/ini_integer.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

namespace vm {
namespace {

TEST(IniInteger, ReadsDecimalAndHexadecimal) {
    const std::pair<std::string_view, std::int32_t> numbers[] = {{"0", 0},
                                                                 {"42", 42},
                                                                 {"-5", -5},
                                                                 {"+7", 7},
                                                                 {"0012", 12},
                                                                 {"0x1F", 31},
                                                                 {"0XfF", 255},
                                                                 {"-0x10", -16},
                                                                 {"0xFFFFFFFF", -1},
                                                                 {"0x80000000", INT32_MIN},
                                                                 {"2147483647", INT32_MAX},
                                                                 {"-2147483648", INT32_MIN}};
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(ParseIniInteger(text), std::optional(value)) << text;
    }
}

TEST(IniInteger, AnythingElseIsNotANumber) {
    for (const std::string_view text :
         {"2147483648", "-2147483649", "99999999999999999999", "0x100000000", "0x", "0xG", "", "-",
          "yes", "12abc", "1 2", "$10", "--1", " 1", "1\t"}) {
        EXPECT_EQ(ParseIniInteger(text), std::nullopt) << text;
    }
    EXPECT_EQ(ParseIniInteger(std::string_view("1\0", 2)), std::nullopt);
}

} // namespace
} // namespace vm
