// The real program on a desktop at 144 DPI. Wine reports that DPI in a prefix
// whose LogPixels is 144 (ctest e2e_dpi144 runs these cases there); in any
// other prefix they skip themselves.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

constexpr const char* kCaption = "Velmora\x81I - \x90\xDD\x92\xE8"; // Velmora！ - 設定

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class HighDpi : public VelmoraScene {
protected:
    void SetUp() override {
        if (ScreenDpi() != 144)
            GTEST_SKIP() << "needs a desktop at 144 DPI (ctest e2e_dpi144)";
        VelmoraScene::SetUp();
    }
};

TEST_F(HighDpi, TheSettingsWindowIsScaledByOneAndAHalfAndTheMainJobWorks) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Tray=0", "Position=4", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    // Coordinates stay physical pixels: the watch line is the bar's bottom.
    ASSERT_TRUE(WitnessMoveTo(30 + 4));

    HWND form = FindWindowA("TMainForm", kCaption);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(RunVelmoraToEnd(L""), 0u);
    ASSERT_TRUE(WaitUntil([form] { return IsWindowVisible(form) != FALSE; }, ReactionLimit));
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 948);
    EXPECT_EQ(client.bottom, 704);
    RECT rect{};
    GetWindowRect(form, &rect);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 948) / 2);
    EXPECT_EQ(rect.top, 30 + 4);

    // OK, 75 x 30 at 96 DPI, at one and a half. (Its font handle means nothing
    // in another process; the fonts' sizes show in the screenshot of
    // scripts/demo --settings --dpi 144.)
    HWND ok = FindWindowExA(form, nullptr, "Button", "OK");
    ASSERT_NE(ok, nullptr);
    RECT okRect{};
    GetWindowRect(ok, &okRect);
    EXPECT_EQ(okRect.right - okRect.left, 112);
    EXPECT_EQ(okRect.bottom - okRect.top, 45);
}

} // namespace
} // namespace e2e
