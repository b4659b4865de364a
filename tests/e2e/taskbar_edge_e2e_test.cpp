// Velmora works only while the bar is docked at the top: with the bar at the
// bottom it leaves windows alone, and it resumes once the bar is back.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

// Time a window must stay put once Velmora has checked the taskbar after it
// opened; a pass takes a few milliseconds.
constexpr DWORD StillPeriod = 750;

class TaskbarEdge : public VelmoraScene {
protected:
    // True once the stand-in has answered position queries beyond `count`.
    bool WaitForQueriesBeyond(unsigned count) {
        return WaitUntil([&] { return Standin().PositionQueries() > count; }, ReactionLimit);
    }
};

TEST_F(TaskbarEdge, NothingMovesWhileTheBarIsAtTheBottomAndMovingResumesAtTheTop) {
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    ASSERT_TRUE(WitnessMoveTo(30));

    unsigned queries = Standin().PositionQueries();
    ASSERT_TRUE(Standin().Dock(ABE_BOTTOM));
    ASSERT_TRUE(WaitForQueriesBeyond(queries)) << "no pass saw the bar at the bottom";
    queries = Standin().PositionQueries();
    const SpawnedWindows* opened = Spawn(WindowSpec{});
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(WaitForQueriesBeyond(queries)) << "no pass after the window opened";
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
    const unsigned queries = Standin().PositionQueries();
    const SpawnedWindows* opened = Spawn(WindowSpec{});
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(WaitForQueriesBeyond(queries)) << "no pass after the window opened";

    EXPECT_TRUE(HoldsFor([&] { return WindowRectOf(opened->First()).top == 0; }, StillPeriod))
        << Describe(WindowRectOf(opened->First()));
}

} // namespace
} // namespace e2e
