#include "settings/ini_file.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace vm {
namespace {

using namespace std::string_view_literals;

TEST(IniFile, ReadsTrimmedKeysAndValuesOfTheRightSectionIgnoringCase) {
    const IniFile file = IniFile::Parse("Stray=before any section\r\n"
                                        "  [ config ]  \r\n"
                                        "; Tray=0\r\n"
                                        "\r\n"
                                        "\t Tray \t=\t 0 \t\r\n"
                                        "Title=a=b\r\n"
                                        "Empty=\r\n"
                                        "NoEquals\r\n"
                                        "[Disable]\r\n"
                                        "0=notepad.exe\r\n");
    EXPECT_EQ(file.ReadValue("CONFIG", "tray"), "0");
    EXPECT_EQ(file.ReadValue("Config", "Title"), "a=b");
    EXPECT_EQ(file.ReadValue("Config", "Empty"), "");
    EXPECT_EQ(file.ReadValue("Config", "NoEquals"), std::nullopt);
    EXPECT_EQ(file.ReadValue("Config", "Stray"), std::nullopt);
    EXPECT_EQ(file.ReadValue("Config", "0"), std::nullopt);
    EXPECT_EQ(file.ReadValue("disable", "0"), "notepad.exe");
    EXPECT_EQ(file.ReadValue("Other", "0"), std::nullopt);
}

TEST(IniFile, FirstOfDuplicateSectionsAndKeysCountsAndAllAreKept) {
    const std::string text = "[S]\r\na=1\r\na=2\r\n\r\n[s]\r\na=3\r\nb=4\r\n\r\n";
    IniFile file = IniFile::Parse(text);
    EXPECT_EQ(file.ReadValue("S", "a"), "1");
    EXPECT_EQ(file.ReadValue("S", "b"), std::nullopt);
    EXPECT_EQ(file.Serialize(), text);
    file.WriteValue("S", "A", "9");
    EXPECT_EQ(file.Serialize(), "[S]\r\na=9\r\na=2\r\n\r\n[s]\r\na=3\r\nb=4\r\n\r\n");
}

TEST(IniFile, ShiftJisTrailBytesNeitherCloseASectionNorFoldCase) {
    // 表 is 0x95 0x5C and ソ is 0x83 0x5C; ] is 0x5D, the trail byte of 0x83 0x5D (ゾ),
    // and 0x83 0x61 (ャ) has an 'a' as its trail byte.
    const IniFile file = IniFile::Parse("[\x83\x5Dx]\r\n\x83\x61=1\r\n\x95\x5C=\x83\x5C\r\n");
    EXPECT_EQ(file.ReadValue("\x83\x5Dx", "\x95\x5C"), "\x83\x5C");
    EXPECT_EQ(file.ReadValue("\x83\x5Dx", "\x83\x61"), "1");
    EXPECT_EQ(file.ReadValue("\x83\x5Dx", "\x83\x41"), std::nullopt);
    EXPECT_EQ(file.ReadValue("\x83", "\x83\x61"), std::nullopt);
}

TEST(IniFile, WritesCrLfWithABlankLineAfterEachSectionAndAppendsNewKeys) {
    IniFile file = IniFile::Parse(
        "junk\n[Config]\nUnknown = kept \n; comment\nTray=0\n  \n[Extra] trailing\nx\n");
    file.WriteBool("config", "tray", true);
    file.WriteInteger("Config", "Position", -12);
    file.WriteString("Disable", "0", "a\r\nb\rc\nd");
    file.WriteValue("Extra", "x", "now set");
    EXPECT_EQ(file.Serialize(), "[Config]\r\nUnknown=kept\r\nTray=1\r\nPosition=-12\r\n\r\n"
                                "[Extra]\r\nx=now set\r\n\r\n"
                                "[Disable]\r\n0=a  b c d\r\n\r\n");
}

TEST(IniFile, SerialisingIsStableAfterTheFirstRewrite) {
    const std::string_view inputs[] = {
        "",
        "no section at all\n=\n",
        "[]\n=\n[\n[[x]]\n]\n",
        "[A]\r\n\0=\0\r\n[B\0]\r\nk\r\n"sv,
        "\xFF\xFE[\x81]\x81\n\x81=\x81\n[\x81]\x81\n[ab \x83\n\x81=\x81\n[c\x82\t\t\x9e\t\n",
        "[S]\n a = b = c \n\t\n;x\n[S]\nq",
    };
    for (const std::string_view input : inputs) {
        const std::string once = IniFile::Parse(input).Serialize();
        EXPECT_EQ(IniFile::Parse(once).Serialize(), once) << input;
    }
}

} // namespace
} // namespace vm
