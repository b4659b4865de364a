#include "settings/ini_integer.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include <gtest/gtest.h>

namespace vm {
namespace {

TEST(IniInteger, ReadsDecimalAndHexadecimalAndRejectsEverythingElse) {
    struct Case {
        std::string_view text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"-5", -5},
        {"+7", 7},
        {"0x1F", 31},
        {"0XfF", 255},
        {"-0x10", -16},
        {"0xFFFFFFFF", -1},
        {"0x80000000", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"0012", 12},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"0x100000000", std::nullopt},
        {"0x", std::nullopt},
        {"0xG", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"yes", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"$10", std::nullopt},
        {"--1", std::nullopt},
        {std::string_view("1\0", 2), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseIniInteger(c.text), c.value) << "'" << c.text << "'";
    }
}

} // namespace
} // namespace vm
