#include "watcher/watch_cycle.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "platform/constants.h"
#include "platform/sim/sim_desktop.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;

// A watch cycle with recording hooks in place of the rest of the controller.
class WatchCycleTest : public ::testing::Test {
protected:
    explicit WatchCycleTest(std::vector<std::string> args = {}) {
        desk.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768});
        taskbarWindow = desk.addTaskbar();
        self = desk.addProcess("C:\\Velmora\\Velmora.exe");
        context = std::make_unique<ProgramContext>(
            ProgramContext{desk.platformFor(self), CommandLine(std::move(args)), {}});
        timerWindow = context->platform.win.CreateWindowExA(
            0, "TMainForm", "", 0, 0, 0, 0, 0, 0,
            [](Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) { return std::intptr_t{0}; });
        timer = std::make_unique<Timer>(context->platform.win, 1, 250);
        timer->Bind(timerWindow);
        settingsWindow = std::make_unique<Form>(context->platform.win);
        taskbar.Handle = taskbarWindow;
        cycle = std::make_unique<WatchCycle>(
            *context, controls, state, taskbar, *timer, *settingsWindow, monitors,
            WatchCycleHooks{.CheckRestart = [this] { return restart; },
                            .CheckTaskbarReveal = [] {},
                            .ApplyTranslucency = [](std::int16_t, bool) {},
                            .CheckTaskbar = [this] { ++fullPasses; },
                            .HandleWindow =
                                [this](Hwnd w, const WindowIdentity& id) {
                                    handled.push_back(w);
                                    identities.push_back(id);
                                },
                            .CloseController = [this] { ++closes; }});
        cycle->TimerTimer(); // settles the first change
        fullPasses = 0;
        handled.clear();
    }

    Hwnd AddWindow(WindowSpec spec) {
        if (spec.className.empty())
            spec.className = "AppWindow";
        return desk.addWindow(spec);
    }

    SimDesktop desk;
    std::uint32_t self = 0;
    Hwnd taskbarWindow = 0;
    Hwnd timerWindow = 0;
    std::unique_ptr<ProgramContext> context;
    MainFormControls controls;
    WatchState state;
    TaskbarInfo taskbar;
    DisplayMonitors monitors;
    std::unique_ptr<Timer> timer;
    std::unique_ptr<Form> settingsWindow;
    std::unique_ptr<WatchCycle> cycle;
    bool restart = false;
    int fullPasses = 0;
    int closes = 0;
    std::vector<Hwnd> handled;
    std::vector<WindowIdentity> identities;
};

TEST_F(WatchCycleTest, AnyWindowCreatedOrDestroyedTriggersAFullPassAQuietTickNone) {
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 0);
    EXPECT_TRUE(timer->Enabled());
    const Hwnd invisible = AddWindow({.title = "hidden", .visible = false});
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 1);
    desk.destroyWindow(invisible);
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 2);
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 2);
}

TEST_F(WatchCycleTest, ForegroundChangesAndMovesTriggerAFullPass) {
    const Hwnd a = AddWindow({.title = "a"});
    cycle->TimerTimer();
    fullPasses = 0;
    desk.setForeground(a);
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 1);
    EXPECT_EQ(state.LastForeground, a);
    desk.platformFor(self).win.MoveWindow(a, 10, 40, 300, 200, true);
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 2);
    EXPECT_EQ(state.LastForegroundRect, (Rect{10, 40, 310, 240}));
}

TEST_F(WatchCycleTest, NoVisibleForegroundClearsLastForegroundWithoutAPass) {
    const Hwnd a = AddWindow({.title = "a"});
    desk.setForeground(a);
    cycle->TimerTimer();
    fullPasses = 0;
    desk.setForeground(0);
    cycle->TimerTimer();
    EXPECT_EQ(state.LastForeground, Hwnd{0});
    EXPECT_EQ(fullPasses, 0);
    desk.setForeground(a);
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 1);
}

TEST_F(WatchCycleTest, AMinimizedForegroundWindowIsComparedByHandleOnly) {
    const Hwnd a = AddWindow({.title = "a"});
    desk.setForeground(a);
    cycle->TimerTimer();
    const Rect before = state.LastForegroundRect;
    desk.platformFor(self).win.ShowWindow(a, sw::MINIMIZE);
    desk.setForeground(a);
    fullPasses = 0;
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 0);
    EXPECT_EQ(state.LastForegroundRect, before);
}

TEST_F(WatchCycleTest, TaskbarRectangleChangesAndAMissingTaskbarTriggerAFullPass) {
    desk.setTaskbar({.rect = {0, 0, 1024, 2}, .autoHide = true});
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 1);
    taskbar.Handle = 0;
    cycle->TimerTimer();
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 3);
}

TEST_F(WatchCycleTest, HidingTheTaskbarRaisesTheForegroundWindowAndRunsAPass) {
    const Hwnd a = AddWindow({.title = "a"});
    const Hwnd b = AddWindow({.title = "b"});
    desk.setForeground(a);
    cycle->TimerTimer();
    fullPasses = 0;
    taskbar.Hidden = true;
    cycle->TimerTimer();
    EXPECT_EQ(fullPasses, 1);
    EXPECT_TRUE(state.LastHidden);
    std::vector<Hwnd> order;
    desk.platformFor(self).win.EnumWindows([&](Hwnd w) {
        order.push_back(w);
        return true;
    });
    EXPECT_LT(std::find(order.begin(), order.end(), a), std::find(order.begin(), order.end(), b));
}

TEST_F(WatchCycleTest, OnlyPlausibleWindowsReachTheHandler) {
    desk.addProgramManager();
    AddWindow({.title = "minimized", .minimized = true});
    AddWindow({.title = "invisible", .visible = false});
    AddWindow({.title = "disabled", .enabled = false});
    AddWindow({.title = ""});
    const std::uint32_t app = desk.addProcess("C:\\Apps\\Editor.exe");
    const Hwnd plausible = AddWindow({.className = "Edit ", .title = "doc ", .pid = app});
    cycle->RunFullPass();
    ASSERT_EQ(handled, (std::vector<Hwnd>{plausible}));
    EXPECT_EQ(identities[0].Title, "doc");
    EXPECT_EQ(identities[0].ClassName, "Edit");
    EXPECT_EQ(identities[0].ExeName, "EDITOR.EXE");
}

TEST_F(WatchCycleTest, NothingReachesTheHandlerWhileWatchingIsOffOrTheSettingsAreOpen) {
    AddWindow({.title = "a"});
    controls.PPEnabled.SetChecked(false);
    cycle->RunFullPass();
    controls.PPEnabled.SetChecked(true);
    controls.PPEnabled.SetVisible(false);
    cycle->RunFullPass();
    controls.PPEnabled.SetVisible(true);
    settingsWindow->Show();
    cycle->RunFullPass();
    EXPECT_TRUE(handled.empty());
    settingsWindow->Hide();
    cycle->RunFullPass();
    EXPECT_EQ(handled.size(), 1u);
}

TEST_F(WatchCycleTest, TheHandlerSeesWindowsTopOfTheZOrderFirst) {
    const Hwnd lower = AddWindow({.title = "lower"});
    const Hwnd upper = AddWindow({.title = "upper"});
    cycle->RunFullPass();
    EXPECT_EQ(handled, (std::vector<Hwnd>{upper, lower}));
}

TEST_F(WatchCycleTest, ARestartEndsTheTickWithTheTimerStopped) {
    restart = true;
    AddWindow({.title = "a"});
    cycle->TimerTimer();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(fullPasses, 0);
    EXPECT_FALSE(timer->Enabled());
}

class QuickWatchCycleTest : public WatchCycleTest {
protected:
    QuickWatchCycleTest() : WatchCycleTest({"/Q"}) {}
};

TEST_F(QuickWatchCycleTest, AQuickPassSleepsHalfASecondThenCloses) {
    closes = 0;
    const std::uint64_t start = desk.now();
    cycle->RunFullPass();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(desk.now() - start, 500u);
}

} // namespace
} // namespace vm
