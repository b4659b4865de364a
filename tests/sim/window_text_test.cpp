// Window texts: UTF-16 inside, code page 932 through the "A" calls, as on a
// Japanese Windows.
#include <gtest/gtest.h>

#include <string>

#include "sim_desktop/sim_desktop.h"

namespace vm::sim {
namespace {

// 表示 (both trail bytes of 表 and ソ are 0x5C).
constexpr char kHyouji[] = "\x95\x5c\x8e\xa6";
// ソフト設定
constexpr char kSoftSettei[] = "\x83\x5c\x83\x74\x83\x67\x90\xdd\x92\xe8";

class WindowTextTest : public ::testing::Test {
protected:
    WindowTextTest()
        : pid(desk.addProcess("C:\\Tools\\velmora.exe")), win(desk.platformFor(pid).win) {}

    std::string textA(Hwnd window, int maxCount) {
        char buffer[64] = "untouched";
        const int copied = win.GetWindowTextA(window, buffer, maxCount);
        EXPECT_EQ(copied, static_cast<int>(std::string(buffer).size()));
        return buffer;
    }

    SimDesktop desk;
    std::uint32_t pid;
    IWindowSystem& win;
};

TEST_F(WindowTextTest, UnicodeTitlesReadInCodePage932WithForeignCharactersAsQuestionMarks) {
    const Hwnd window = desk.addWindow({.titleW = u"表示 © €"});
    EXPECT_EQ(textA(window, 260), std::string(kHyouji) + " ? ?");
    EXPECT_EQ(win.GetWindowTextLengthA(window), 8);
    EXPECT_EQ(desk.windows().window(window).titleA(), std::string(kHyouji) + " ? ?");

    // Cut to maxCount - 1 bytes, never inside a double-byte character.
    EXPECT_EQ(textA(window, 4), "\x95\x5c");
    EXPECT_EQ(textA(window, 1), "");
    char buffer[4] = "abc";
    EXPECT_EQ(win.GetWindowTextA(window, buffer, 0), 0);
    EXPECT_EQ(std::string(buffer), "abc");
    EXPECT_EQ(textA(Hwnd{0xDEAD}, 16), "");
}

TEST_F(WindowTextTest, AnsiAndUnicodeTitlesRoundTrip) {
    const Hwnd window = desk.addWindow({.className = "Notepad", .title = kSoftSettei});
    EXPECT_EQ(desk.windows().window(window).titleW, u"ソフト設定");
    char16_t wide[8];
    EXPECT_EQ(win.GetWindowTextW(window, wide, 8), 5);
    EXPECT_EQ(std::u16string(wide), u"ソフト設定");
    EXPECT_EQ(win.GetWindowTextLengthW(window), 5);

    ASSERT_TRUE(win.SetWindowTextA(window, kHyouji));
    EXPECT_EQ(desk.windows().window(window).titleW, u"表示");
    ASSERT_TRUE(win.SetWindowTextW(window, u"ソフト設定"));
    EXPECT_EQ(textA(window, 64), kSoftSettei);

    char className[5];
    EXPECT_EQ(win.GetClassNameA(window, className, 5), 4);
    EXPECT_EQ(std::string(className), "Note");
}

TEST_F(WindowTextTest, FindWindowMatchesClassIgnoringCaseAndShiftJisTitleExactly) {
    const Hwnd hidden =
        desk.addWindow({.className = "TMainForm", .title = kSoftSettei, .visible = false});
    const Hwnd other = desk.addWindow({.className = "TMainForm", .title = kHyouji});
    EXPECT_EQ(win.FindWindowA("tmainform", kSoftSettei), hidden);
    EXPECT_EQ(win.FindWindowA(nullptr, kSoftSettei), hidden);
    EXPECT_EQ(win.FindWindowA("TMainForm", nullptr), other);
    // The trail byte of ァ (0x83 0x41) looks like 'A' but is not folded.
    const Hwnd katakana = desk.addWindow({.className = "\x83\x41"});
    EXPECT_EQ(win.FindWindowA("\x83\x41", nullptr), katakana);
    EXPECT_EQ(win.FindWindowA("\x83\x61", nullptr), nullptr);
    EXPECT_EQ(win.FindWindowA("Other", nullptr), nullptr);
}

} // namespace
} // namespace vm::sim
