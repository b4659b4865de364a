// Another program's window is judged only once that program has finished
// what it was doing when the window appeared: a program that places or
// maximizes its window right after showing it keeps what it did, and a
// burst of windows at the top is moved in full, with shared flashes.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class Settled : public VelmoraScene {
protected:
    // Velmora resident, its window events hooked: a pass has run.
    void SetUp() override {
        VelmoraScene::SetUp();
        ASSERT_TRUE(StartStandinAndVelmora());
        ASSERT_TRUE(WitnessMoveTo(30));
    }
};

TEST_F(Settled, AProgramThatPlacesItsWindowRightAfterShowingItKeepsItsPlace) {
    const RECT own{150, 200, 550, 500};
    const HWND window = Spawn({.busyMs = 50, .thenRect = own});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WitnessMoveTo(30));
    EXPECT_TRUE(HoldsFor([&] { return SameRect(WindowRectOf(window), own); }, StillPeriod))
        << Describe(WindowRectOf(window));
}

TEST_F(Settled, AWindowMaximizedRightAfterShowingStaysMaximized) {
    const HWND window = Spawn({.busyMs = 50, .thenMaximized = true});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WitnessMoveTo(30));
    // Maximized over the whole work area, not shifted to the watch line.
    const RECT work = PrimaryWorkArea();
    EXPECT_TRUE(HoldsFor(
        [&] {
            const RECT now = WindowRectOf(window);
            return IsZoomed(window) != FALSE && now.top <= work.top && now.left <= work.left &&
                   now.right >= work.right;
        },
        StillPeriod))
        << Describe(WindowRectOf(window));
}

TEST_F(Settled, EveryWindowOfABurstOf300IsMoved) {
    const wchar_t* const burstClass = L"VelmoraE2eBurst";
    ASSERT_NE(Spawn({.className = burstClass, .count = 300}), nullptr);
    std::vector<HWND> burst;
    for (HWND w = FindWindowExW(nullptr, nullptr, burstClass, nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, burstClass, nullptr))
        burst.push_back(w);
    ASSERT_EQ(burst.size(), 300u);
    EXPECT_TRUE(WaitUntil(
        [&] {
            for (HWND w : burst) {
                if (WindowRectOf(w).top != 30)
                    return false;
            }
            return true;
        },
        ReactionLimit));
    int left = 0;
    for (HWND w : burst)
        left += WindowRectOf(w).top == 30 ? 0 : 1;
    EXPECT_EQ(left, 0) << "windows still under the bar";
    // The program still answers: a new window is moved at once.
    EXPECT_TRUE(WitnessMoveTo(30));
}

} // namespace
} // namespace e2e
