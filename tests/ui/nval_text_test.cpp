#include "ui/nval_text.h"

#include <limits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace vm {
namespace {

constexpr NValFormat kPlain{};                             // 9 digits, free decimals, commas
constexpr NValFormat kMoney{7, 2, false, true, true, '$'}; // 99,999.99
constexpr NValFormat kTwoDecimals{3, 2, true, true, true, ' '};

TEST(NValText, ValuesShowInTheFieldsFormat) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double value;
        const NValFormat& format;
        std::string_view text;
        double held;
    } cases[] = {
        {100, kTxtTransFormat, "100", 100},
        {0, kTxtTransFormat, "0", 0},
        {0, kTxtWaitFormat, "0", 0},
        {0.4, kTxtTransFormat, "0", 0.4},    // below the zero threshold 0.5
        {0.5, kTxtTransFormat, "1", 0.5},    // rounded half away from zero
        {1000, kTxtTransFormat, "999", 999}, // clamped to the digits
        {100, kTxtWaitFormat, "99", 99},
        {99.96, kTxtTransFormat, "100", 99.9}, // cut to three digits, then rounded
        {-30, kTxtTransFormat, "30", 30},      // negative not allowed: made positive
        {inf, kTxtWaitFormat, "99", 99},
        {nan, kTxtWaitFormat, "0", 0},
        {1234567.5, kPlain, "1,234,567.5", 1234567.5},
        {-1234.25, kPlain, "-1,234.25", -1234.25},
        {12.3456789012, kPlain, "12.3456789", 12.3456789},
        {0, kPlain, "", 0}, // ZeroDisplay off
        {-0.0000000001, kPlain, "", -0.0000000001},
        {1e300, kPlain, "999,999,999", 999999999},
        {1234.5, kMoney, "$1,234.50", 1234.5},
        {-0.004, kMoney, "", -0.004}, // shows zero: no sign, no symbol
        {-0.006, kMoney, "$-0.01", -0.006},
        {1e9, kMoney, "$99,999.99", 99999.99},
        {1.2, kTwoDecimals, "1.20", 1.2},
        {9.999, kTwoDecimals, "9.99", 9.99},
        {0.0049, kTwoDecimals, "0", 0.0049},
    };
    for (const auto& c : cases) {
        const NValNormalised normalised = NormaliseNValue(c.value, c.format);
        EXPECT_EQ(FormatNValText(normalised, c.format), c.text) << c.value;
        EXPECT_DOUBLE_EQ(normalised.value, c.held) << c.value;
    }
}

TEST(NValText, TextsReadBackAsNumbers) {
    const struct {
        std::string text;
        char leading;
        double value;
    } cases[] = {
        {"100", ' ', 100},
        {"\x82\x50\x82\x4F\x82\x4F", ' ', 100},          // full-width "１００"
        {"\x81\x7C\x82\x51\x81\x44\x82\x54", ' ', -2.5}, // "－２．５"
        {"1,234", ' ', 1234},
        {"12,34", ' ', 0},
        {"1234,567", ' ', 0}, // a group is missing
        {"1,234,567.25", ' ', 1234567.25},
        {"-1,234", ' ', -1234},
        {"-999,999", ' ', 0}, // the sign counts among the places
        {"-99,999", ' ', -99999},
        {"-,123", ' ', -123},  // the sign is the group's first place
        {"1,234.5,6", ' ', 0}, // separator after the point
        {",123", ' ', 0},
        {"$1,000", ' ', 1000},
        {"\\12", ' ', 12},
        {"\x81\x8F"
         "12",
         ' ', 12}, // full-width yen sign
        {"$12", '$', 12},
        {"#12", '#', 12},
        {"$12", '#', 0},
        {"#-3.5", '#', -3.5},
        {".5", ' ', 0.5},
        {"7.", ' ', 7},
        {"+8", ' ', 8},
        {"", ' ', 0},
        {"-", ' ', 0},
        {".", ' ', 0},
        {"1.2.3", ' ', 0},
        {"1-2", ' ', 0},
        {"--1", ' ', 0},
        {" 1", ' ', 0},
        {"1e3", ' ', 0},
        {"\x82\x50\x95\x5C", ' ', 0}, // a double-byte character that is no digit
        {"1\x82", ' ', 0},            // a lone lead byte
        {std::string("1\0", 2), ' ', 0},
        {std::string(400, '9'), ' ', std::numeric_limits<double>::max()},
        {"0." + std::string(400, '0') + "1", ' ', 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ParseNValText(c.text, c.leading), c.value) << c.text;
    }
}

TEST(NValText, HalfWidthKeepsOtherCharactersWhole) {
    // "Ａｚ＠　表" : the trail byte 0x5C of "表" is not a yen sign.
    EXPECT_EQ(ToHalfWidth("\x82\x60\x82\x9A\x81\x97\x81\x40\x95\x5C"), "Az@ \x95\x5C");
}

TEST(NValText, PropertyCorrections) {
    EXPECT_TRUE(AcceptsMaxDigits(3, 0));
    EXPECT_FALSE(AcceptsMaxDigits(3, 3));
    EXPECT_FALSE(AcceptsMaxDigits(0, -1));
    EXPECT_FALSE(AcceptsMaxDigits(16, -1));
    EXPECT_EQ(CorrectedFixDecimal(-5, 9), -1);
    EXPECT_EQ(CorrectedFixDecimal(9, 9), 8);
    EXPECT_EQ(CorrectedFixDecimal(2, 9), 2);
    EXPECT_DOUBLE_EQ(TruncateDecimals(0.29, 2), 0.29);
    EXPECT_DOUBLE_EQ(TruncateDecimals(-12.789, 1), -12.7);
    EXPECT_DOUBLE_EQ(TruncateDecimals(12.789, 0), 12);
    EXPECT_DOUBLE_EQ(TruncateDecimals(12.789, -1), 12.789);
}

} // namespace
} // namespace vm
