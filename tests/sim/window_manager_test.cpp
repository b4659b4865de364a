// The simulated window manager behaves like Windows where the program
// relies on it: z-order, parking, maximize and restore, monitors.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace vm::sim {
namespace {

class WindowManagerTest : public ::testing::Test {
protected:
    WindowManagerTest()
        : primary(desk.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768})),
          pid(desk.addProcess("C:\\Tools\\velmora.exe")), win(desk.platformFor(pid).win) {}

    Rect rectOf(Hwnd window) {
        Rect rect;
        EXPECT_TRUE(win.GetWindowRect(window, rect));
        return rect;
    }

    std::vector<Hwnd> enumerated() {
        std::vector<Hwnd> seen;
        win.EnumWindows([&](Hwnd window) {
            seen.push_back(window);
            return true;
        });
        return seen;
    }

    SimDesktop desk;
    HMonitor primary;
    std::uint32_t pid;
    IWindowSystem& win;
};

TEST_F(WindowManagerTest, EnumerationVisitsEveryWindowTopFirstAndFollowsRaising) {
    const Hwnd hidden = desk.addWindow({.className = "A", .visible = false});
    const Hwnd own = win.CreateWindowExA(0, "Own", "", 0, 0, 0, 10, 10, 0, nullptr);
    const Hwnd top = desk.addWindow({.className = "C"});
    EXPECT_EQ(enumerated(), (std::vector<Hwnd>{top, own, hidden}));
    const std::vector<Hwnd> all = enumerated();
    EXPECT_EQ(std::count(all.begin(), all.end(), win.GetDesktopWindow()), 0);

    ASSERT_TRUE(win.BringWindowToTop(hidden));
    EXPECT_EQ(enumerated(), (std::vector<Hwnd>{hidden, top, own}));
    ASSERT_TRUE(win.SetWindowPos(hidden, 1, 0, 0, 0, 0, swp::NOMOVE | swp::NOSIZE));
    EXPECT_EQ(enumerated(), (std::vector<Hwnd>{top, own, hidden}));
}

TEST_F(WindowManagerTest, EnumerationSkipsWindowsDestroyedMeanwhileAndStopsOnFalse) {
    const Hwnd bottom = desk.addWindow({});
    const Hwnd middle = desk.addWindow({});
    const Hwnd top = desk.addWindow({});
    std::vector<Hwnd> seen;
    Hwnd added = 0;
    EXPECT_TRUE(win.EnumWindows([&](Hwnd window) {
        seen.push_back(window);
        if (window == top) {
            desk.destroyWindow(middle);
            added = desk.addWindow({});
        }
        return true;
    }));
    EXPECT_EQ(seen, (std::vector<Hwnd>{top, bottom}));
    EXPECT_NE(added, 0u);

    seen.clear();
    EXPECT_FALSE(win.EnumWindows([&](Hwnd window) {
        seen.push_back(window);
        return false;
    }));
    EXPECT_EQ(seen, (std::vector<Hwnd>{added}));
}

TEST_F(WindowManagerTest, MinimizedWindowIsParkedAndComesBackToItsPlace) {
    const Hwnd window = desk.addWindow({.rect = {100, 0, 500, 300}});
    win.ShowWindow(window, sw::MINIMIZE);
    EXPECT_EQ(rectOf(window), (Rect{-32000, -32000, -31840, -31972}));
    EXPECT_TRUE(win.IsIconic(window));
    EXPECT_NE(win.GetWindowLongA(window, gwl::STYLE) & ws::MINIMIZE, 0);

    EXPECT_TRUE(win.ShowWindow(window, sw::RESTORE));
    EXPECT_EQ(rectOf(window), (Rect{100, 0, 500, 300}));
    EXPECT_FALSE(win.IsIconic(window));
    EXPECT_EQ(win.GetWindowLongA(window, gwl::STYLE) & ws::MINIMIZE, 0);
}

TEST_F(WindowManagerTest, MaximizeFillsTheWorkAreaWithTheFrameOutsideAndRestoreReturns) {
    const Hwnd window = desk.addWindow({.rect = {100, 0, 500, 300}, .maximized = true});
    EXPECT_EQ(rectOf(window), (Rect{-4, 26, 1028, 772}));
    EXPECT_TRUE(win.IsZoomed(window));

    // Moving a maximized window keeps it maximized and its restored place.
    ASSERT_TRUE(win.MoveWindow(window, -4, 30, 1032, 746, true));
    EXPECT_TRUE(win.IsZoomed(window));
    EXPECT_EQ(desk.window(window).normalRect, (Rect{100, 0, 500, 300}));

    // Minimized from maximized, a restore maximizes it again; SW_SHOWNORMAL
    // then brings back the restored rectangle.
    win.ShowWindow(window, sw::MINIMIZE);
    EXPECT_FALSE(win.IsZoomed(window));
    win.ShowWindow(window, sw::RESTORE);
    EXPECT_TRUE(win.IsZoomed(window));
    win.ShowWindow(window, sw::SHOWNORMAL);
    EXPECT_EQ(rectOf(window), (Rect{100, 0, 500, 300}));
    EXPECT_EQ(win.GetWindowLongA(window, gwl::STYLE) & ws::MAXIMIZE, 0);
}

TEST_F(WindowManagerTest, MovesAndShowStatesHonourTheirFlagsAndRefusals) {
    const Hwnd window = desk.addWindow({.rect = {10, 20, 110, 220}});
    ASSERT_TRUE(win.SetWindowPos(window, 0, 50, 60, 0, 0, swp::NOSIZE | swp::NOZORDER));
    EXPECT_EQ(rectOf(window), (Rect{50, 60, 150, 260}));
    ASSERT_TRUE(win.SetWindowPos(window, 0, 0, 0, 30, 40, swp::NOMOVE | swp::NOZORDER));
    EXPECT_EQ(rectOf(window), (Rect{50, 60, 80, 100}));

    desk.window(window).refusesMoves = true;
    EXPECT_TRUE(win.MoveWindow(window, 0, 30, 30, 40, true));
    EXPECT_EQ(rectOf(window), (Rect{50, 60, 80, 100}));

    // ShowWindow answers whether the window was visible before.
    EXPECT_TRUE(win.ShowWindow(window, sw::HIDE));
    EXPECT_FALSE(win.IsWindowVisible(window));
    EXPECT_FALSE(win.ShowWindow(window, sw::SHOW));
    EXPECT_TRUE(win.IsWindowVisible(window));

    desk.destroyWindow(window);
    EXPECT_FALSE(win.MoveWindow(window, 0, 0, 1, 1, true));
    Rect rect;
    EXPECT_FALSE(win.GetWindowRect(window, rect));
    EXPECT_EQ(win.GetWindowLongA(window, gwl::STYLE), 0);
}

TEST_F(WindowManagerTest, MonitorFromWindowPicksTheLargestOverlapOrHonoursTheDefault) {
    const HMonitor right = desk.addMonitor({1024, 0, 2048, 768}, {1024, 0, 2048, 768});
    const Hwnd mostlyRight = desk.addWindow({.rect = {900, 0, 1300, 300}});
    const Hwnd outside = desk.addWindow({.rect = {2100, 100, 2300, 200}});
    EXPECT_EQ(win.MonitorFromWindow(mostlyRight, monitor::DEFAULTTONULL), right);
    EXPECT_EQ(win.MonitorFromWindow(outside, monitor::DEFAULTTONULL), 0u);
    EXPECT_EQ(win.MonitorFromWindow(outside, monitor::DEFAULTTONEAREST), right);
    EXPECT_EQ(win.MonitorFromWindow(outside, monitor::DEFAULTTOPRIMARY), primary);

    // A minimized window counts where it will be restored.
    desk.showWindow(mostlyRight, sw::MINIMIZE);
    EXPECT_EQ(win.MonitorFromWindow(mostlyRight, monitor::DEFAULTTONULL), right);

    MonitorInfo info;
    ASSERT_TRUE(win.GetMonitorInfoA(primary, info));
    EXPECT_EQ(info.rcWork, (Rect{0, 30, 1024, 768}));
    EXPECT_EQ(info.dwFlags, 1u);
    ASSERT_TRUE(win.GetMonitorInfoA(right, info));
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_FALSE(win.GetMonitorInfoA(0, info));
    EXPECT_EQ(win.GetSystemMetrics(sm::CXVIRTUALSCREEN), 2048);
    EXPECT_EQ(win.GetSystemMetrics(sm::CXSCREEN), 1024);
}

TEST_F(WindowManagerTest, DestroyingTheForegroundWindowActivatesTheNextOne) {
    const Hwnd below = desk.addWindow({});
    desk.addWindow({.minimized = true});
    const Hwnd front = desk.addWindow({});
    desk.setForeground(front);
    desk.destroyWindow(front);
    EXPECT_EQ(win.GetForegroundWindow(), below);
}

} // namespace
} // namespace vm::sim
