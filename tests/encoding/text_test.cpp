#include "encoding/text.h"

#include <gtest/gtest.h>

namespace vm {
namespace {

TEST(Text, UpperCasingChangesOnlyAsciiLettersButEveryByte) {
    EXPECT_EQ(AsciiUpper("notepad.exe"), "NOTEPAD.EXE");
    // The trail byte of "ャ" (0x83 0x61) is 'a' and is changed as well.
    EXPECT_EQ(AsciiUpper("\x83\x61.exe"), "\x83\x41.EXE");
    EXPECT_EQ(AsciiUpper("\xE9z"), "\xE9Z");
}

TEST(Text, CaseInsensitiveEqualityKeepsDoubleByteCharactersApart) {
    EXPECT_TRUE(EqualsIgnoreCase("Explorer.EXE", "EXPLORER.exe"));
    EXPECT_FALSE(EqualsIgnoreCase("explorer.exe", "explorer.ex"));
    // "ア" (0x83 0x41) and "ャ" (0x83 0x61) differ only in what looks like case.
    EXPECT_FALSE(EqualsIgnoreCase("\x83\x41", "\x83\x61"));
    EXPECT_TRUE(EqualsIgnoreCase("\x83\x41x", "\x83\x41X"));
}

TEST(Text, LeadBytesAreTheShiftJisRanges) {
    EXPECT_FALSE(IsLeadByte(0x80));
    EXPECT_TRUE(IsLeadByte(0x81));
    EXPECT_TRUE(IsLeadByte(0x9F));
    EXPECT_FALSE(IsLeadByte(0xA0));
    EXPECT_FALSE(IsLeadByte(0xDF));
    EXPECT_TRUE(IsLeadByte(0xE0));
    EXPECT_TRUE(IsLeadByte(0xFC));
    EXPECT_FALSE(IsLeadByte(0xFD));
}

TEST(Text, CutAtNulKeepsWhatComesBeforeTheFirstNul) {
    EXPECT_EQ(CutAtNul(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(CutAtNul("abc"), "abc");
}

} // namespace
} // namespace vm
