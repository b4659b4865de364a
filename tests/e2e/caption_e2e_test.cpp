// With Caption=1 a moved window shows the configured title for a moment and
// then its own title again, read and written back as Unicode; a title its
// program gave it meanwhile stands.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class CaptionFlash : public VelmoraScene {};

TEST_F(CaptionFlash, TitleIsReplacedForTheMoveAndRestoredIntact) {
    // Title = 移動中 in Shift-JIS.
    ASSERT_TRUE(
        WriteSettings(IniText({"[Config]", "Caption=1", "Title=\x88\xDA\x93\xAE\x92\x86", ""})));
    ASSERT_TRUE(StartStandinAndVelmora());
    // The second title is Polish, Spanish, the euro sign and an emoji: none of
    // them in code page 932.
    const std::wstring titles[] = {L"Plain ASCII title",
                                   L"Za\u017C\u00F3\u0142\u0107 \u00F1 \u20AC \U0001F30D"};
    for (const std::wstring& title : titles) {
        SCOPED_TRACE(title);
        const std::wstring log = Folder() + Utf8HexOf(title).substr(0, 8) + L".log";
        const HWND window = Spawn({.title = title, .titleLog = log});
        ASSERT_NE(window, nullptr);

        ASSERT_TRUE(WaitForTop(window, 30));
        ASSERT_TRUE(WaitUntil([&] { return ReadTitleLog(log).size() >= 2; }, ReactionLimit));
        EXPECT_EQ(WindowTitleOf(window), title);
        EXPECT_EQ(ReadTitleLog(log), (std::vector<std::wstring>{L"\u79FB\u52D5\u4E2D", title}))
            << "the configured title from Shift-JIS, then the window's own";
    }
}

TEST_F(CaptionFlash, ATitleTheProgramSetsDuringTheMoveStands) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Caption=1", "Title=MOVING", ""})));
    ASSERT_TRUE(StartStandinAndVelmora());
    const std::wstring log = Folder() + L"titles.log";
    const std::wstring own = L"Velmora e2e page 2 - browser";
    const HWND window =
        Spawn({.title = L"Velmora e2e page 1 - browser", .titleLog = log, .retitle = own});
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(WaitForTop(window, 30));
    ASSERT_TRUE(WaitUntil([&] { return ReadTitleLog(log).size() >= 2; }, ReactionLimit));
    EXPECT_EQ(ReadTitleLog(log).front(), L"MOVING");
    EXPECT_TRUE(HoldsFor([&] { return WindowTitleOf(window) == own; }, StillPeriod))
        << "title now: " << testing::PrintToString(WindowTitleOf(window))
        << ", given: " << testing::PrintToString(ReadTitleLog(log));
}

TEST_F(CaptionFlash, TitleIsNeverTouchedWithoutCaption) {
    ASSERT_TRUE(StartStandinAndVelmora());
    const std::wstring log = Folder() + L"titles.log";
    const HWND window = Spawn({.titleLog = log});
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(WaitForTop(window, 30));
    EXPECT_TRUE(ReadTitleLog(log).empty());
}

} // namespace
} // namespace e2e
