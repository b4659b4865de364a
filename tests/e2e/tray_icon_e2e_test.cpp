// The tray icon through the stand-in's notification area: added at a plain
// start with its tip, never with "/S", switched by a double-click, its real
// menu opened by the right button and "終了(&X)" chosen in it, and added again
// when the shell's taskbar restarts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

// "Velmora！ [有効]" and "Velmora！ [無効]".
const std::wstring TipEnabled = L"Velmora\uFF01 [\u6709\u52B9]";
const std::wstring TipDisabled = L"Velmora\uFF01 [\u7121\u52B9]";

class TrayIcon : public VelmoraScene {
protected:
    const ChildProcess& StartWithIcon() {
        EXPECT_TRUE(StartStandin());
        const ChildProcess& velmora = StartVelmora();
        EXPECT_TRUE(WaitForController(velmora));
        EXPECT_TRUE(Standin().WaitForOneIcon(TipEnabled, ReactionLimit));
        return velmora;
    }
};

TEST_F(TrayIcon, APlainStartAddsTheIconWithItsTipAndSilentModeNever) {
    const ChildProcess& velmora = StartWithIcon();
    DWORD owner = 0;
    GetWindowThreadProcessId(Standin().IconOwner(0), &owner);
    EXPECT_EQ(owner, velmora.Id());

    ASSERT_TRUE(RestartStandin());
    ASSERT_TRUE(Standin().WaitForOneIcon(TipEnabled, ReactionLimit))
        << "a new taskbar gets the icon back";

    // "/S" second: resident beside the first, watching, and never an icon.
    const ChildProcess& silent = StartVelmora(L"/w /S");
    ASSERT_TRUE(WaitForController(silent));
    ASSERT_TRUE(WitnessMoveTo(30));
    EXPECT_TRUE(HoldsFor([this] { return Standin().IconCount() == 1; }, StillPeriod));
}

TEST_F(TrayIcon, ADoubleClickStopsWatchingAndWindowsAtTheTopStay) {
    StartWithIcon();
    ASSERT_TRUE(Standin().ClickIcon(0, WM_LBUTTONDBLCLK));
    ASSERT_TRUE(Standin().WaitForOneIcon(TipDisabled, ReactionLimit));
    const HWND window = Spawn({.title = L"Velmora e2e stays"});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForPassAfterNow());
    EXPECT_TRUE(HoldsFor([window] { return WindowRectOf(window).top == 0; }, StillPeriod));

    ASSERT_TRUE(Standin().ClickIcon(0, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(Standin().WaitForOneIcon(TipEnabled, ReactionLimit));
    EXPECT_TRUE(WaitForTop(window, 30));
}

TEST_F(TrayIcon, TheRightButtonOpensTheRealMenuAndItsExitItemEndsTheProgram) {
    const ChildProcess& velmora = StartWithIcon();
    ASSERT_TRUE(Standin().ClickIcon(0, WM_RBUTTONDOWN));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto menus = TopLevelWindowsOf(velmora.Id(), L"#32768");
            menu = menus.empty() ? nullptr : menus.front();
            return menu != nullptr && IsWindowVisible(menu);
        },
        ReactionLimit));
    // The user types the exit item's access key; the menu's own loop reads
    // the key from the program's queue.
    ASSERT_TRUE(PostMessageW(menu, WM_CHAR, L'x', 0));
    ASSERT_EQ(velmora.WaitForExit(ReactionLimit), 0u);
    EXPECT_EQ(Standin().IconCount(), 0u);
}

} // namespace
} // namespace e2e
