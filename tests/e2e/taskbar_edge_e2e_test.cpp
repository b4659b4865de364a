// Velmora works only while the bar is docked at the top: with the bar at the
// bottom it leaves windows alone, and it resumes once the bar is back.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class TaskbarEdge : public VelmoraScene {};

TEST_F(TaskbarEdge, NothingMovesWhileTheBarIsAtTheBottomAndMovingResumesAtTheTop) {
    ASSERT_TRUE(StartStandinAndVelmora());
    ASSERT_TRUE(WitnessMoveTo(30));

    ASSERT_TRUE(Standin().Dock(ABE_BOTTOM));
    const HWND window = Spawn({});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForPassAfterNow()) << "no pass after the window opened";
    EXPECT_TRUE(HoldsFor([&] { return WindowRectOf(window).top == 0; }, StillPeriod))
        << Describe(WindowRectOf(window));

    ASSERT_TRUE(Standin().Dock(ABE_TOP));
    EXPECT_TRUE(WaitForTop(window, 30)) << Describe(WindowRectOf(window));
}

TEST_F(TaskbarEdge, BarStartedAtTheBottomSuspendsFromTheFirstPass) {
    ASSERT_TRUE(StartStandinAndVelmora({.edge = ABE_BOTTOM}));
    const HWND window = Spawn({});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitForPassAfterNow()) << "no pass after the window opened";

    EXPECT_TRUE(HoldsFor([&] { return WindowRectOf(window).top == 0; }, StillPeriod))
        << Describe(WindowRectOf(window));
}

} // namespace
} // namespace e2e
