// The simulated window manager behaves like Windows where the program
// relies on it: z-order, parking, maximize and restore, monitors.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "sim_desktop/sim_desktop.h"

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
    const Hwnd own = win.CreateProgramWindow({.className = "Own", .width = 10, .height = 10});
    const Hwnd top = desk.addWindow({.className = "C"});
    EXPECT_EQ(enumerated(), (std::vector<Hwnd>{top, own, hidden}));
    const std::vector<Hwnd> all = enumerated();
    EXPECT_EQ(std::count(all.begin(), all.end(), win.GetDesktopWindow()), 0);

    ASSERT_TRUE(win.BringWindowToTop(hidden));
    EXPECT_EQ(enumerated(), (std::vector<Hwnd>{hidden, top, own}));
    ASSERT_TRUE(win.SetWindowPos(hidden, Hwnd{1}, 0, 0, 0, 0, swp::NOMOVE | swp::NOSIZE));
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
    EXPECT_NE(added, nullptr);

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
    EXPECT_EQ(desk.windows().window(window).normalRect, (Rect{100, 0, 500, 300}));

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

// The frame a maximized window overhangs by is drawn at the DPI its program
// sees it at, as GetDpiForWindow reports it for the program's awareness.
TEST_F(WindowManagerTest, MaximizedOverhangFollowsTheWindowsOwnDpi) {
    desk.addMonitor({1024, 0, 2048, 768}, {1024, 40, 2048, 768}, 144);
    for (const DpiAwareness awareness :
         {DpiAwareness::PerMonitor, DpiAwareness::System, DpiAwareness::Unaware}) {
        const std::uint32_t owner = desk.addProcess("C:\\Apps\\scaled.exe");
        desk.setDpiAwareness(owner, awareness);
        const Hwnd window =
            desk.addWindow({.rect = {1100, 100, 1500, 400}, .maximized = true, .pid = owner});
        const std::uint32_t dpi = win.GetDpiForWindow(window);
        EXPECT_EQ(dpi, awareness == DpiAwareness::PerMonitor ? 144u : 96u);
        const int frame = desk.display().systemMetricForDpi(sm::CYFRAME, dpi) +
                          desk.display().systemMetricForDpi(sm::CXPADDEDBORDER, dpi);
        EXPECT_EQ(rectOf(window).top, 40 - frame) << static_cast<int>(awareness);
    }
}

// A message the scene's window has no procedure for, or a program's
// procedure declines, gets DefWindowProc's answer.
TEST_F(WindowManagerTest, DeclinedMessagesGetTheDefaultAnswer) {
    const Hwnd window = desk.addWindow({.title = "old", .rect = {100, 100, 500, 300}});
    std::uintptr_t answer = 0;
    const auto send = [&](std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
        EXPECT_NE(win.SendMessageTimeoutA(window, msg, wParam, lParam, 0, 500, &answer), 0);
        return answer;
    };
    EXPECT_EQ(send(wm::QUERYENDSESSION, 0, 0), 1u);
    EXPECT_EQ(send(wm::SETTEXT, 0, reinterpret_cast<std::intptr_t>("new")), 1u);
    EXPECT_EQ(desk.windows().window(window).titleA(), "new");
    char text[8] = {};
    EXPECT_EQ(send(wm::GETTEXT, sizeof text, reinterpret_cast<std::intptr_t>(text)), 3u);
    EXPECT_STREQ(text, "new");
    send(wm::SYSCOMMAND, sc::MAXIMIZE, 0);
    EXPECT_TRUE(win.IsZoomed(window));
    send(wm::SYSCOMMAND, sc::MINIMIZE, 0);
    EXPECT_TRUE(win.IsIconic(window));
    send(wm::SYSCOMMAND, sc::RESTORE, 0);
    EXPECT_TRUE(win.IsZoomed(window));
    send(wm::SYSCOMMAND, sc::CLOSE, 0);
    EXPECT_FALSE(desk.windows().exists(window));
}

TEST_F(WindowManagerTest, MovesAndShowStatesHonourTheirFlagsAndRefusals) {
    const Hwnd window = desk.addWindow({.rect = {10, 20, 110, 220}});
    ASSERT_TRUE(win.SetWindowPos(window, 0, 50, 60, 0, 0, swp::NOSIZE | swp::NOZORDER));
    EXPECT_EQ(rectOf(window), (Rect{50, 60, 150, 260}));
    ASSERT_TRUE(win.SetWindowPos(window, 0, 0, 0, 30, 40, swp::NOMOVE | swp::NOZORDER));
    EXPECT_EQ(rectOf(window), (Rect{50, 60, 80, 100}));

    desk.windows().window(window).refusesMoves = true;
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
    EXPECT_EQ(win.MonitorFromWindow(outside, monitor::DEFAULTTONULL), nullptr);
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

    // Unplugged, the display is gone for good: its windows lie on none, its
    // handle is never given to a display plugged in later, the primary stays.
    const HMonitor left = desk.addMonitor({-1024, 0, 0, 768}, {-1024, 0, 0, 768});
    desk.showWindow(mostlyRight, sw::RESTORE);
    desk.removeMonitor(right);
    desk.removeMonitor(primary);
    EXPECT_EQ(win.MonitorFromWindow(mostlyRight, monitor::DEFAULTTONULL), primary);
    EXPECT_EQ(win.MonitorFromWindow(outside, monitor::DEFAULTTONULL), nullptr);
    EXPECT_FALSE(win.GetMonitorInfoA(right, info));
    const HMonitor again = desk.addMonitor({1024, 0, 2048, 768}, {1024, 0, 2048, 768});
    EXPECT_NE(again, right);
    EXPECT_NE(again, left);
    EXPECT_EQ(win.GetSystemMetrics(sm::CMONITORS), 3);
}

TEST_F(WindowManagerTest, DestroyingTheForegroundWindowActivatesTheNextOne) {
    const Hwnd below = desk.addWindow({});
    desk.addWindow({.minimized = true});
    const Hwnd front = desk.addWindow({});
    desk.windows().setForeground(front);
    desk.destroyWindow(front);
    EXPECT_EQ(win.GetForegroundWindow(), below);
}

TEST_F(WindowManagerTest, ChildWindowsLiveInsideTheirParent) {
    const Hwnd host = desk.addWindow({.className = "DV2ControlHost", .rect = {100, 50, 400, 450}});
    const Hwnd pane = desk.addWindow(
        {.className = "Desktop User Pane", .rect = {10, 20, 110, 70}, .parent = host});
    const Hwnd second = desk.addWindow({.className = "Pane", .parent = host});
    const Hwnd own = win.CreateProgramWindow({.className = "Own",
                                              .style = ws::CHILD | ws::VISIBLE,
                                              .x = 5,
                                              .y = 5,
                                              .width = 20,
                                              .height = 20,
                                              .owner = host});
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(win.CreateProgramWindow(
                  {.className = "Orphan", .style = ws::CHILD, .width = 1, .height = 1}),
              nullptr);

    EXPECT_EQ(enumerated(), (std::vector<Hwnd>{host}));
    EXPECT_EQ(win.FindWindowA("Desktop User Pane", nullptr), nullptr);
    EXPECT_EQ(win.FindWindowExA(host, 0, "desktop user pane", nullptr), pane);
    EXPECT_EQ(win.FindWindowExA(host, 0, nullptr, nullptr), pane);
    EXPECT_EQ(win.FindWindowExA(host, pane, nullptr, nullptr), second);
    EXPECT_EQ(win.FindWindowExA(host, second, nullptr, nullptr), own);
    EXPECT_EQ(win.FindWindowExA(host, host, nullptr, nullptr), nullptr);
    EXPECT_EQ(win.FindWindowExA(0, 0, "DV2ControlHost", nullptr), host);
    EXPECT_EQ(win.GetParent(pane), host);
    EXPECT_EQ(win.GetParent(host), nullptr);
    EXPECT_EQ(rectOf(pane), (Rect{110, 70, 210, 120}));

    desk.showWindow(host, sw::HIDE);
    EXPECT_FALSE(win.IsWindowVisible(pane));
    desk.showWindow(host, sw::SHOW);
    EXPECT_TRUE(win.IsWindowVisible(pane));

    desk.destroyWindow(host);
    EXPECT_FALSE(win.IsWindow(pane));
    EXPECT_FALSE(win.IsWindow(own));
}

TEST_F(WindowManagerTest, PopupOwnerIsItsParent) {
    const Hwnd owner = desk.addWindow({.className = "Owner"});
    const Hwnd popup = desk.addWindow({.className = "Popup", .style = ws::POPUP, .owner = owner});
    const Hwnd overlapped = desk.addWindow({.className = "Overlapped", .owner = owner});
    EXPECT_EQ(win.GetParent(popup), owner);
    EXPECT_EQ(win.GetParent(overlapped), nullptr);
}

TEST_F(WindowManagerTest, MessageBoxesAreRecordedAndAnswered) {
    const Hwnd owner = desk.addWindow({.className = "Owner"});
    desk.dialogs().queueMessageBoxAnswer(id_::NO);
    EXPECT_EQ(win.MessageBoxA(owner, "text", "caption", mb::YESNO | mb::ICONQUESTION), id_::NO);
    // Unanswered boxes press their default button.
    EXPECT_EQ(win.MessageBoxA(0, "a", "b", mb::YESNO), id_::YES);
    EXPECT_EQ(win.MessageBoxA(0, "a", "b", mb::YESNO | mb::DEFBUTTON2), id_::NO);
    EXPECT_EQ(win.MessageBoxA(0, "a", "b", mb::OK), id_::OK);
    EXPECT_EQ(win.MessageBoxA(Hwnd{0x7FFC}, "gone", "owner", mb::OK), 0);
    ASSERT_EQ(desk.dialogs().messageBoxes().size(), 4u);
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].owner, owner);
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].text, "text");
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].caption, "caption");
    EXPECT_EQ(desk.dialogs().messageBoxes()[0].pid, pid);
}

} // namespace
} // namespace vm::sim
