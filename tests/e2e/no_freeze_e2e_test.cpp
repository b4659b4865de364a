// Other programs cannot freeze Velmora: a window whose program stopped
// answering messages is neither waited for when its title is swapped nor
// when it is moved, and a second start hands over within a few seconds
// while the first instance still sleeps through its start-up delay.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class NoFreeze : public VelmoraScene {};

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
