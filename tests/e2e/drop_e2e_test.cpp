// The user's own drag, with the real pointer on the tests' X display: a
// window dragged by its caption into the taskbar's band stays under the
// pointer while the button is held, and goes to the watch line once the
// button is released, although Wine tells no other program that the drag
// ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"
#include "harness/x_pointer.h"

namespace e2e {
namespace {

class UserDrop : public VelmoraScene {};

std::wstring Number(long value) {
    return std::to_wstring(value);
}

TEST_F(UserDrop, AWindowDroppedIntoTheBandGoesToTheWatchLineAfterTheRelease) {
    ASSERT_TRUE(StartStandinAndVelmora());
    ASSERT_TRUE(WitnessMoveTo(30));
    const HWND window = Spawn({.title = L"Velmora e2e dragged", .left = 300, .top = 300});
    ASSERT_NE(window, nullptr);

    // Grab the caption in its middle and drag it up until the window's top
    // lies in the band, 5 pixels under the screen's edge.
    const RECT before = WindowRectOf(window);
    POINT client{0, 0};
    ASSERT_TRUE(ClientToScreen(window, &client));
    const long grabX = before.left + 150;
    const long grabY = client.y - GetSystemMetrics(SM_CYCAPTION) / 2;
    const long droppedTop = 5;
    const long dropY = grabY - (before.top - droppedTop);
    ASSERT_TRUE(RunXdotool(L"mousemove " + Number(grabX) + L" " + Number(grabY) +
                           L" mousedown 1 sleep 0.1 mousemove " + Number(grabX) + L" " +
                           Number((grabY + dropY) / 2) + L" sleep 0.1 mousemove " + Number(grabX) +
                           L" " + Number(dropY)))
        << "xdotool (scripts/setup installs it) on the display DISPLAY names";
    ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(window).top == droppedTop; }, ReactionLimit))
        << "the drag did not bring the window into the band: " << Describe(WindowRectOf(window));
    EXPECT_TRUE(HoldsFor([&] { return WindowRectOf(window).top == droppedTop; }, 2 * StillPeriod))
        << "moved while the button is held: " << Describe(WindowRectOf(window));

    ASSERT_TRUE(RunXdotool(L"mouseup 1"));
    const ULONGLONG released = GetTickCount64();
    ASSERT_TRUE(WaitForTop(window, 30))
        << "left under the bar after the release: " << Describe(WindowRectOf(window));
    std::printf("moved to the watch line %llu ms after the release\n", GetTickCount64() - released);
}

} // namespace
} // namespace e2e
