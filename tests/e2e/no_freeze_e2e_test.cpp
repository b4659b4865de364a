// Other programs cannot freeze Velmora: a window whose program stopped
// answering messages is neither waited for when its title is swapped nor
// when it is moved nor when it is raised as the taskbar is hidden or shown,
// and a second start hands over within a few seconds while the first
// instance still sleeps through its start-up delay.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class NoFreeze : public VelmoraScene {};

// How long the program in front hangs: longer than the case takes.
constexpr int StallMs = 40000;
// 30 ticks of 250 ms with room for a loaded machine, well inside the hang.
constexpr DWORD RevealLimit = 20000;

TEST_F(NoFreeze, AWindowWhoseProgramStoppedAnsweringHoldsNothingUp) {
    // The title swap is on, so the first pass would change the hung window's
    // title before moving it.
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Caption=1", "Title=MOVING", ""})));
    ASSERT_TRUE(StartStandin());
    const HWND hung = Spawn({.title = L"Velmora e2e hung window", .left = 500, .hangMs = 100});
    ASSERT_NE(hung, nullptr);
    Sleep(500); // its program no longer answers
    ASSERT_TRUE(StartResidentVelmora());
    EXPECT_TRUE(WitnessMoveTo(30)) << "a pass after the hung window's must have run";
    EXPECT_TRUE(WitnessMoveTo(30)) << "and the program keeps watching";
}

TEST_F(NoFreeze, AHungWindowInFrontHoldsUpNeitherTheTaskbarNorTheMenu) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(SetCursorPos(640, 500));
    const ChildProcess& velmora = StartVelmora();
    ASSERT_TRUE(WaitForController(velmora));
    ASSERT_TRUE(WaitUntil([this] { return Standin().IconCount() == 1; }, ReactionLimit));
    const HWND front =
        Spawn({.title = L"Velmora e2e hangs in front", .top = 200, .stallMs = StallMs});
    ASSERT_NE(front, nullptr);
    ASSERT_TRUE(WaitUntil([front] { return GetForegroundWindow() == front; }, ReactionLimit));
    const HWND bar = Standin().Bar();

    // The user hides the taskbar from the menu, which takes the foreground,
    // and goes back to the program, which hangs as it comes to the front,
    // for longer than the case lasts.
    ASSERT_TRUE(ChooseMenuItem(velmora, L'b')); // "タスクバー非表示(&B)"
    ASSERT_TRUE(WaitUntil([bar] { return !IsWindowVisible(bar); }, ReactionLimit));
    ASSERT_TRUE(StallProgramOf(front));
    SetForegroundWindow(front);
    ASSERT_TRUE(WaitUntil([front] { return GetForegroundWindow() == front; }, ReactionLimit));

    // Velmora's ticks go on: the pointer resting on the band brings the bar back.
    const ULONGLONG rest = GetTickCount64();
    ASSERT_TRUE(SetCursorPos(640, 15));
    ASSERT_TRUE(WaitUntil([bar] { return IsWindowVisible(bar) != FALSE; }, RevealLimit))
        << "the bar did not come back while the program in front hangs";
    std::printf("bar back %llu ms after the pointer came to rest\n", GetTickCount64() - rest);
    // And its menu answers: "設定(&C)" opens the settings window.
    ASSERT_TRUE(ChooseMenuItem(velmora, L'c')) << "the menu did not open";
    const HWND settings = TopLevelWindowsOf(velmora.Id(), L"TMainForm").front();
    EXPECT_TRUE(WaitUntil([settings] { return IsWindowVisible(settings) != FALSE; }, ReactionLimit))
        << "the choice did not act";
}

TEST_F(NoFreeze, ASecondStartDuringTheFirstsStartUpDelayEndsWithinSeconds) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Wait=40", "Tray=0", ""})));
    ASSERT_TRUE(StartStandin());
    const ChildProcess& first = StartVelmora();
    ASSERT_TRUE(WaitForController(first)); // now asleep for 40 s
    const ULONGLONG start = GetTickCount64();
    ASSERT_EQ(RunVelmoraToEnd(L""), 0u) << "the second instance must end by itself";
    EXPECT_LT(GetTickCount64() - start, 20000u) << "it waited for the first one's delay";
    EXPECT_TRUE(first.Running());
}

} // namespace
} // namespace e2e
