#include "watcher/watch_cycle.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"
#include "ui/timer.h"
#include "watcher_scene.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;

// A watch cycle with the watcher's own tracker and window handler, and
// recording hooks in place of the rest of the controller. A full pass shows
// in the call log as its monitor refresh; a window that reached the handler
// as the handler's first question about it (GetWindowRect).
class WatchCycleTest : public ::testing::Test {
protected:
    explicit WatchCycleTest(std::vector<std::string> args = {}) : scene(std::move(args)) {
        timerWindow = context->platform.win.CreateProgramWindow(
            {.className = "TMainForm",
             .proc = [](Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) {
                 return MsgResult{};
             }});
        timer = std::make_unique<Timer>(context->platform.win, 1, 250);
        timer->Bind(timerWindow);
        taskbar.SetHandle(taskbarWindow);
        scene.host.OnTimerEnabled = [this](bool enabled) { timer->SetEnabled(enabled); };
        cycle = std::make_unique<WatchCycle>(scene.Parts(), *scene.handler);
        cycle->TimerTimer(); // settles the first change
        desk.clearCalls();
    }

    Hwnd AddWindow(WindowSpec spec) {
        if (spec.className.empty())
            spec.className = "AppWindow";
        return desk.addWindow(spec);
    }
    int FullPasses() const {
        return static_cast<int>(std::count_if(
            desk.calls().begin(), desk.calls().end(), [this](const sim::CallRecord& c) {
                return c.pid == self && c.name == "EnumDisplayMonitors";
            }));
    }
    std::vector<Hwnd> Handled() const {
        std::vector<Hwnd> windows;
        for (const sim::CallRecord& c : desk.calls()) {
            if (c.pid != self || c.name != "GetWindowRect")
                continue;
            // The taskbar check measures the taskbar the same way.
            const Hwnd w = static_cast<Hwnd>(std::stoull(c.args));
            if (w != taskbarWindow && std::find(windows.begin(), windows.end(), w) == windows.end())
                windows.push_back(w);
        }
        return windows;
    }

    WatcherScene scene;
    SimDesktop& desk = scene.desk;
    std::uint32_t self = scene.self;
    Hwnd taskbarWindow = desk.shellObjects().taskbar();
    std::unique_ptr<ProgramContext>& context = scene.context;
    MainFormControls& controls = scene.controls;
    WatchState& state = scene.watch;
    TaskbarInfo& taskbar = scene.Taskbar();
    std::unique_ptr<Form>& settingsWindow = scene.settingsWindow;
    Hwnd timerWindow = 0;
    std::unique_ptr<Timer> timer;
    std::unique_ptr<WatchCycle> cycle;
    bool& restart = scene.host.restart;
    int& closes = scene.host.closes;
};

TEST_F(WatchCycleTest, AnyWindowCreatedOrDestroyedTriggersAFullPassAQuietTickNone) {
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 0);
    EXPECT_TRUE(timer->Enabled());
    const Hwnd invisible = AddWindow({.title = "hidden", .visible = false});
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 1);
    desk.destroyWindow(invisible);
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 2);
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 2);
}

TEST_F(WatchCycleTest, ForegroundChangesAndMovesTriggerAFullPass) {
    const Hwnd a = AddWindow({.title = "a"});
    cycle->TimerTimer();
    desk.clearCalls();
    desk.windows().setForeground(a);
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 1);
    EXPECT_EQ(state.LastForeground, a);
    desk.platformFor(self).win.MoveWindow(a, 10, 40, 300, 200, true);
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 2);
    EXPECT_EQ(state.LastForegroundRect, (Rect{10, 40, 310, 240}));
}

TEST_F(WatchCycleTest, NoVisibleForegroundClearsLastForegroundWithoutAPass) {
    const Hwnd a = AddWindow({.title = "a"});
    desk.windows().setForeground(a);
    cycle->TimerTimer();
    desk.clearCalls();
    desk.windows().setForeground(0);
    cycle->TimerTimer();
    EXPECT_EQ(state.LastForeground, Hwnd{0});
    EXPECT_EQ(FullPasses(), 0);
    desk.windows().setForeground(a);
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 1);
}

TEST_F(WatchCycleTest, AMinimizedForegroundWindowIsComparedByHandleOnly) {
    const Hwnd a = AddWindow({.title = "a"});
    desk.windows().setForeground(a);
    cycle->TimerTimer();
    const Rect before = state.LastForegroundRect;
    desk.platformFor(self).win.ShowWindow(a, sw::MINIMIZE);
    desk.windows().setForeground(a);
    desk.clearCalls();
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 0);
    EXPECT_EQ(state.LastForegroundRect, before);
}

TEST_F(WatchCycleTest, TaskbarRectangleChangesAndAMissingTaskbarTriggerAFullPass) {
    desk.setTaskbar({.rect = {0, 0, 1024, 2}, .autoHide = true});
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 1);
    // Gone for good: every tick runs a pass, whose taskbar check gives up
    // after its retries.
    desk.destroyWindow(taskbarWindow);
    cycle->TimerTimer();
    cycle->TimerTimer();
    EXPECT_EQ(FullPasses(), 3);
    EXPECT_EQ(taskbar.Handle(), Hwnd{0});
}

TEST_F(WatchCycleTest, HidingTheTaskbarRaisesTheForegroundWindowAndRunsAPass) {
    // Also when the program in front does not answer: the raise waits in
    // its queue, and the tick goes on.
    for (const bool hung : {false, true}) {
        const Hwnd a = AddWindow({.title = "a"});
        const Hwnd b = AddWindow({.title = "b"});
        desk.windows().setForeground(a);
        cycle->TimerTimer();
        desk.clearCalls();
        desk.setHung(desk.windows().window(a).pid, hung);
        if (taskbar.Hidden())
            taskbar.Reveal();
        else
            taskbar.Hide();
        cycle->TimerTimer();
        EXPECT_EQ(FullPasses(), 1) << hung;
        EXPECT_EQ(state.LastHidden, taskbar.Hidden());
        EXPECT_EQ(desk.scheduler().frozenCalls(), 0u) << hung;
        desk.setHung(desk.windows().window(a).pid, false);
        desk.scheduler().advance(0);
        std::vector<Hwnd> order;
        desk.platformFor(self).win.EnumWindows([&](Hwnd w) {
            order.push_back(w);
            return true;
        });
        EXPECT_LT(std::find(order.begin(), order.end(), a),
                  std::find(order.begin(), order.end(), b))
            << hung;
    }
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
    ASSERT_EQ(Handled(), (std::vector<Hwnd>{plausible}));
    // The handler got the window's identity: the log of moved windows holds it.
    EXPECT_EQ(controls.ListBoxLog.Items(), (std::vector<std::string>{"EDITOR.EXE", "doc", "Edit"}));
}

TEST_F(WatchCycleTest, AFullPassTakesOneProcessSnapshotWhenAWindowFirstNeedsAName) {
    // Before Windows Vista no process can be asked for its own name.
    desk.libraries().removeExport("kernel32.dll", "QueryFullProcessImageNameA");
    const std::uint32_t before = static_cast<std::uint32_t>(desk.system().snapshotCount);
    cycle->RunFullPass(); // no plausible window: no snapshot
    EXPECT_EQ(desk.system().snapshotCount, before);
    // Below the watch line a window is dismissed before its names are read.
    for (int i = 0; i < 6; ++i) {
        const std::uint32_t app = desk.addProcess("C:\\Apps\\app" + std::to_string(i) + ".exe");
        AddWindow({.title = "w", .rect = {100, 40 - 40 * (i % 2), 500, 300}, .pid = app});
    }
    cycle->RunFullPass();
    EXPECT_EQ(Handled().size(), 6u);
    EXPECT_EQ(desk.system().snapshotCount, before + 1);
    // Three windows at y = 0 were moved: three executables, one title, one class.
    EXPECT_EQ(controls.ListBoxLog.Items().size(), 5u);
    desk.scheduler().advance(0); // their programs carry out the moves
    cycle->RunFullPass();        // all below the line now
    EXPECT_EQ(desk.system().snapshotCount, before + 1);
}

TEST_F(WatchCycleTest, NothingReachesTheHandlerWhileWatchingIsOffOrTheSettingsAreOpen) {
    AddWindow({.title = "a"});
    scene.options.settings.enabled = false;
    cycle->RunFullPass();
    scene.options.settings.enabled = true;
    // Suspended: the taskbar at the bottom hides the enable item.
    desk.setTaskbar({.edge = abe::BOTTOM, .rect = {0, 738, 1024, 768}});
    cycle->RunFullPass();
    EXPECT_FALSE(controls.PPEnabled.Visible());
    desk.setTaskbar({});
    scene.ShowSettings();
    cycle->RunFullPass();
    EXPECT_TRUE(Handled().empty());
    scene.HideSettings();
    cycle->RunFullPass();
    EXPECT_EQ(Handled().size(), 1u);
}

TEST_F(WatchCycleTest, TheHandlerSeesWindowsTopOfTheZOrderFirst) {
    const Hwnd lower = AddWindow({.title = "lower"});
    const Hwnd upper = AddWindow({.title = "upper"});
    cycle->RunFullPass();
    EXPECT_EQ(Handled(), (std::vector<Hwnd>{upper, lower}));
}

TEST_F(WatchCycleTest, ARestartEndsTheTickWithTheTimerStopped) {
    restart = true;
    AddWindow({.title = "a"});
    cycle->TimerTimer();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(FullPasses(), 0);
    EXPECT_FALSE(timer->Enabled());
}

class QuickWatchCycleTest : public WatchCycleTest {
protected:
    QuickWatchCycleTest() : WatchCycleTest({"/Q"}) {}
};

TEST_F(QuickWatchCycleTest, AQuickPassSleepsHalfASecondThenCloses) {
    closes = 0;
    const std::uint64_t start = desk.scheduler().now();
    cycle->RunFullPass();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(desk.scheduler().now() - start, 500u);
}

} // namespace
} // namespace vm
