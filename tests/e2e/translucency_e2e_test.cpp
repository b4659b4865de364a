// Translucency of the stand-in's bar and of start-menu shaped windows: set
// while Velmora runs, removed when it closes. Hiding the bar through the
// tray menu, and its return when the cursor rests on its band or at the exit.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

// 30 ticks of 250 ms, with room for a loaded machine.
constexpr DWORD RevealLimit = 60000;

class Translucency : public VelmoraScene {
protected:
    bool BarVisible(bool visible, DWORD limit = ReactionLimit) {
        return WaitUntil(
            [&] {
                const auto looks = Standin().Appearance();
                return looks && looks->visible == visible;
            },
            limit);
    }

    bool BarLooks(bool layered, int alpha = 0) {
        return WaitUntil(
            [&] {
                const auto looks = Standin().Appearance();
                return looks && looks->layered == layered && (!layered || looks->alpha == alpha);
            },
            ReactionLimit);
    }
};

bool IsLayered(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

// Asks the controller to close, as another program would, and waits until
// the process has ended.
bool CloseFromOutside(const ChildProcess& velmora) {
    const auto controllers = TopLevelWindowsOf(velmora.Id(), L"TMainForm");
    if (controllers.empty())
        return false;
    PostMessageW(controllers.front(), WM_CLOSE, 0, 0);
    return velmora.WaitForExit(ReactionLimit).has_value();
}

TEST_F(Translucency, BarAndStartMenusAreTranslucentWhileVelmoraRunsAndOpaqueAfter) {
    ASSERT_TRUE(
        WriteSettings(IniText({"[Config]", "TransEnabled=1", "Trans=60", "TransStartMenu=1"})));
    ASSERT_TRUE(StartStandin());
    const HWND startMenu = Spawn({.title = L"start menu",
                                  .top = 400,
                                  .className = L"DV2ControlHost",
                                  .childClassName = L"Desktop User Pane"});
    const HWND classicMenu = Spawn({.title = L"classic menu",
                                    .top = 400,
                                    .className = L"BaseBar",
                                    .childClassName = L"MenuSite"});
    ASSERT_NE(startMenu, nullptr);
    ASSERT_NE(classicMenu, nullptr);

    ChildProcess& velmora = StartVelmora();
    ASSERT_TRUE(WaitForController(velmora));
    EXPECT_TRUE(BarLooks(true, 148));
    EXPECT_TRUE(
        WaitUntil([&] { return IsLayered(startMenu) && IsLayered(classicMenu); }, ReactionLimit));

    ASSERT_TRUE(CloseFromOutside(velmora));
    EXPECT_TRUE(BarLooks(false));
    EXPECT_FALSE(IsLayered(startMenu));
    EXPECT_FALSE(IsLayered(classicMenu));
}

TEST_F(Translucency, HiddenBarReturnsWhenTheCursorRestsOnItsBandAndWhenVelmoraExits) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(SetCursorPos(640, 500));
    const ChildProcess& velmora = StartVelmora();
    ASSERT_TRUE(WaitForController(velmora));
    ASSERT_TRUE(WaitUntil([this] { return Standin().IconCount() == 1; }, ReactionLimit));

    // "タスクバー非表示(&B)"
    ASSERT_TRUE(ChooseMenuItem(velmora, L'b'));
    ASSERT_TRUE(BarVisible(false));
    EXPECT_TRUE(HoldsFor([this] { return !BarVisible(true, 0); }, 2 * StillPeriod))
        << "the cursor is off the band";
    ASSERT_TRUE(SetCursorPos(640, 15));
    EXPECT_TRUE(BarVisible(true, RevealLimit));

    ASSERT_TRUE(SetCursorPos(640, 500));
    ASSERT_TRUE(ChooseMenuItem(velmora, L'b'));
    ASSERT_TRUE(BarVisible(false));
    // "終了(&X)"
    ASSERT_TRUE(ChooseMenuItem(velmora, L'x'));
    ASSERT_EQ(velmora.WaitForExit(ReactionLimit), 0u);
    EXPECT_TRUE(BarVisible(true, 0));
}

} // namespace
} // namespace e2e
