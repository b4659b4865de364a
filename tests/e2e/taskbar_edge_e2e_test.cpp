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
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    ASSERT_TRUE(WitnessMoveTo(30));

    ASSERT_TRUE(Standin().Dock(ABE_BOTTOM));
    const SpawnedWindows* opened = Spawn(WindowSpec{});
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(WaitForPassAfterNow()) << "no pass after the window opened";
    EXPECT_TRUE(HoldsFor([&] { return WindowRectOf(opened->First()).top == 0; }, StillPeriod))
        << Describe(WindowRectOf(opened->First()));

    ASSERT_TRUE(Standin().Dock(ABE_TOP));
    EXPECT_TRUE(WaitForTop(opened->First(), 30)) << Describe(WindowRectOf(opened->First()));
}

TEST_F(TaskbarEdge, BarStartedAtTheBottomSuspendsFromTheFirstPass) {
    StandinSpec bottom;
    bottom.edge = ABE_BOTTOM;
    ASSERT_TRUE(StartStandin(bottom));
    ASSERT_TRUE(StartResidentVelmora());
    const SpawnedWindows* opened = Spawn(WindowSpec{});
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(WaitForPassAfterNow()) << "no pass after the window opened";

    EXPECT_TRUE(HoldsFor([&] { return WindowRectOf(opened->First()).top == 0; }, StillPeriod))
        << Describe(WindowRectOf(opened->First()));
}

} // namespace
} // namespace e2e
