// The tray icon through the stand-in's notification area: added at a plain
// start with its tip, never with "/S", switched by a double-click, its real
// menu opened by the right button and "終了(&X)" chosen in it, added again
// when the shell's taskbar restarts, and its balloon on a first run only.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "harness/scratch_folder.h"

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

// "Velmora！ [有効]" and "Velmora！ [無効]".
const std::wstring TipEnabled = L"Velmora\uFF01 [\u6709\u52B9]";
const std::wstring TipDisabled = L"Velmora\uFF01 [\u7121\u52B9]";
// The first run's balloon, as the stand-in logs it: "Velmora！ は動作中です".
const std::wstring FirstRunBalloon =
    L"\tinfo\tVelmora\uFF01 \u306F\u52D5\u4F5C\u4E2D\u3067\u3059\t";

// The stand-in's log of Shell_NotifyIcon calls so far.
std::wstring NotifyLog(const std::wstring& path) {
    return WideFromUtf8(ReadFileBytes(path).value_or(""));
}

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

TEST_F(TrayIcon, AFirstRunShowsOneBalloonAndTheNextStartNone) {
    const std::wstring log = Folder() + L"notify.log";
    ASSERT_TRUE(StartStandin({.notifyLog = log}));
    const ChildProcess& first = StartVelmora();
    ASSERT_TRUE(WaitForController(first));
    ASSERT_TRUE(Standin().WaitForOneIcon(TipEnabled, ReactionLimit));
    ASSERT_TRUE(WaitUntil(
        [&] { return NotifyLog(log).find(FirstRunBalloon) != std::wstring::npos; }, ReactionLimit))
        << "log: " << testing::PrintToString(NotifyLog(log));
    const std::wstring firstLog = NotifyLog(log);
    EXPECT_EQ(firstLog.find(FirstRunBalloon), firstLog.rfind(FirstRunBalloon)) << "one balloon";

    // The exit writes the settings file; from then on no start says more.
    ASSERT_TRUE(ChooseMenuItem(first, L'x'));
    ASSERT_EQ(first.WaitForExit(ReactionLimit), 0u);
    ASSERT_TRUE(FileExists(SettingsPath()));
    ASSERT_TRUE(DeleteFileW(log.c_str()));
    const ChildProcess& second = StartVelmora();
    ASSERT_TRUE(WaitForController(second));
    ASSERT_TRUE(Standin().WaitForOneIcon(TipEnabled, ReactionLimit));
    EXPECT_TRUE(HoldsFor([&] { return NotifyLog(log).find(L"\tinfo\t") == std::wstring::npos; },
                         StillPeriod))
        << "log: " << testing::PrintToString(NotifyLog(log));
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
