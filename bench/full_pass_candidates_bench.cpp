// The program's own cost of a full pass that moves windows: the taskbar
// check, the identity of every plausible window (with its process snapshot)
// and the eligibility rules, with 1 % of the windows above the watch line.
// "/S" leaves out the 100 ms flash per moved window, and the candidates
// refuse to move, so every pass finds the same ones. The second argument is
// the number of processes, to show the windows x processes term of the
// per-window snapshot; 0 stands for a missing snapshot (no process walk).
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/sim/sim_desktop.h"
#include "sys/window_helpers.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/watch_cycle.h"
#include "watcher/window_handler.h"

namespace vm {
namespace {

class CandidateScene {
public:
    CandidateScene(int windows, int processes) {
        desk.setCallLog(false);
        desk.addMonitor({0, 0, 1920, 1080}, {0, 30, 1920, 1080});
        desk.addTaskbar({.rect = {0, 0, 1920, 30}});
        std::vector<std::uint32_t> pids;
        for (int i = 0; i < std::max(processes, 1); ++i)
            pids.push_back(desk.addProcess("C:\\Apps\\App" + std::to_string(i) + "\\app.exe"));
        desk.setSnapshotUnavailable(processes == 0);
        for (int i = 0; i < windows; ++i) {
            const bool candidate = i % 100 == 0;
            const int top = candidate ? 0 : 40 + i % 500;
            desk.addWindow({.className = "Class" + std::to_string(i % 17),
                            .title = "Window " + std::to_string(i),
                            .rect = {10, top, 410, top + 300},
                            .pid = pids[static_cast<std::size_t>(i) % pids.size()],
                            .refusesMoves = candidate});
        }
        self = desk.addProcess("C:\\Velmora\\Velmora.exe");
        context = std::make_unique<ProgramContext>(
            ProgramContext{desk.platformFor(self), CommandLine({"/Q", "/S"}), {}});
        IWindowSystem& win = context->platform.win;
        timer = std::make_unique<Timer>(win, 1, 250);
        settingsWindow = std::make_unique<Form>(win);
        tracker = std::make_unique<TaskbarTracker>(*context, controls, taskbar, tray,
                                                   *settingsWindow, TaskbarTrackerHooks{});
        handler = std::make_unique<WindowHandler>(*context, controls, taskbar, watch, tray,
                                                  monitors, *tracker);
        cycle = std::make_unique<WatchCycle>(
            *context, controls, watch, taskbar, *timer, *settingsWindow, monitors,
            WatchCycleHooks{.CheckRestart = [] { return false; },
                            .CheckTaskbarReveal = [] {},
                            .ApplyTranslucency = [](std::int16_t, bool) {},
                            .CheckTaskbar = [this] { tracker->CheckTaskbar(); },
                            .HandleWindow =
                                [this](Hwnd window, const WindowIdentity& identity) {
                                    handler->HandleWindow(window, identity);
                                },
                            .CloseController = [] {}});
        monitors.Refresh(win);
    }

    sim::SimDesktop desk;
    std::uint32_t self = 0;
    std::unique_ptr<ProgramContext> context;
    MainFormControls controls;
    TaskbarInfo taskbar;
    WatchState watch;
    TrayIcon tray;
    DisplayMonitors monitors;
    std::unique_ptr<Timer> timer;
    std::unique_ptr<Form> settingsWindow;
    std::unique_ptr<TaskbarTracker> tracker;
    std::unique_ptr<WindowHandler> handler;
    std::unique_ptr<WatchCycle> cycle;
};

void BM_FullPassWithCandidates(benchmark::State& st) {
    CandidateScene scene(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)));
    for (auto _ : st)
        scene.cycle->RunFullPass();
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(BM_FullPassWithCandidates)
    ->ArgNames({"windows", "processes"})
    ->ArgsProduct({{500, 5000}, {0, 20, 200}})
    ->Unit(benchmark::kMicrosecond);

// The handler alone on one window, a candidate or one below the watch line,
// without the enumeration and the identity around it.
void BM_HandleWindow(benchmark::State& st) {
    CandidateScene scene(100, 20);
    scene.tracker->CheckTaskbar();
    // Top of the z-order first: "Window 0" (a candidate) lies just above
    // the taskbar, "Window 1" above it.
    const std::vector<Hwnd> windows = scene.desk.zOrder();
    const Hwnd window = windows[st.range(0) != 0 ? 99 : 98];
    const WindowIdentity identity = GetWindowIdentity(scene.context->platform, window);
    for (auto _ : st)
        scene.handler->HandleWindow(window, identity);
}
BENCHMARK(BM_HandleWindow)->ArgName("candidate")->Arg(1)->Arg(0);

} // namespace
} // namespace vm
