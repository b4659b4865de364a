// With Caption=1 a moved window shows the configured title for a moment and
// then its own title again, read and written back as Unicode.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class CaptionFlash : public VelmoraScene {
protected:
    // Opens a window titled `title` at y = 0, waits for the move, and checks
    // the titles it was given: the configured one, then its own.
    void ExpectTitleFlashedAndRestored(const std::wstring& title) {
        WindowSpec spec;
        spec.title = title;
        spec.titleLog = Folder() + L"titles.log";
        const SpawnedWindows* opened = Spawn(spec);
        ASSERT_NE(opened, nullptr);

        ASSERT_TRUE(WaitForTop(opened->First(), 30));
        ASSERT_TRUE(
            WaitUntil([&] { return ReadTitleLog(spec.titleLog).size() >= 2; }, ReactionLimit));
        EXPECT_EQ(WindowTitleOf(opened->First()), title);
        const auto titles = ReadTitleLog(spec.titleLog);
        ASSERT_EQ(titles.size(), 2u);
        EXPECT_EQ(titles[0], L"\u79FB\u52D5\u4E2D"); // 移動中, from Shift-JIS
        EXPECT_EQ(titles[1], title);
    }
};

TEST_F(CaptionFlash, TitleIsReplacedForTheMoveAndRestored) {
    // Title = 移動中 in Shift-JIS.
    ASSERT_TRUE(
        WriteSettings(IniText({"[Config]", "Caption=1", "Title=\x88\xDA\x93\xAE\x92\x86", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    ExpectTitleFlashedAndRestored(L"Plain ASCII title");
}

TEST_F(CaptionFlash, TitleOutsideTheAnsiCodePageIsRestoredIntact) {
    ASSERT_TRUE(
        WriteSettings(IniText({"[Config]", "Caption=1", "Title=\x88\xDA\x93\xAE\x92\x86", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    // Polish, Spanish, the euro sign and an emoji: none of them in code page 932.
    ExpectTitleFlashedAndRestored(L"Za\u017C\u00F3\u0142\u0107 \u00F1 \u20AC \U0001F30D");
}

TEST_F(CaptionFlash, TitleIsNeverTouchedWithoutCaption) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    WindowSpec spec;
    spec.titleLog = Folder() + L"titles.log";
    const SpawnedWindows* opened = Spawn(spec);
    ASSERT_NE(opened, nullptr);

    ASSERT_TRUE(WaitForTop(opened->First(), 30));
    EXPECT_TRUE(ReadTitleLog(spec.titleLog).empty());
}

} // namespace
} // namespace e2e
