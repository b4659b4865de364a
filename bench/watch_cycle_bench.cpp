// The cost of the watch cycle itself: an idle tick (counting enumeration and
// the change checks) and a full pass with the identity of every window, on
// desktops of 50, 500 and 5000 windows owned by 200 processes.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "platform/sim/sim_desktop.h"
#include "watcher/watch_cycle.h"

namespace vm {
namespace {

struct CycleScene {
    explicit CycleScene(int windows) {
        desk.setCallLog(false);
        desk.addMonitor({0, 0, 1920, 1080}, {0, 30, 1920, 1080});
        const Hwnd taskbarWindow = desk.addTaskbar({.rect = {0, 0, 1920, 30}});
        std::vector<std::uint32_t> processes;
        for (int i = 0; i < 200; ++i) {
            processes.push_back(
                desk.addProcess("C:\\Program Files\\App" + std::to_string(i) + "\\app.exe"));
        }
        for (int i = 0; i < windows; ++i) {
            desk.addWindow(
                sim::WindowSpec{.className = "Class" + std::to_string(i % 17),
                                .title = "Window " + std::to_string(i),
                                .rect = {10, 40 + i % 500, 410, 340 + i % 500},
                                .pid = processes[static_cast<std::size_t>(i) % processes.size()]});
        }
        self = desk.addProcess("C:\\Velmora\\Velmora.exe");
        context = std::make_unique<ProgramContext>(
            ProgramContext{desk.platformFor(self), CommandLine{}, {}});
        timer = std::make_unique<Timer>(context->platform.win, 1, 250);
        form = std::make_unique<Form>(context->platform.win);
        taskbar.Handle = taskbarWindow;
        cycle = std::make_unique<WatchCycle>(
            *context, controls, state, taskbar, *timer, *form, monitors,
            WatchCycleHooks{
                .CheckRestart = [] { return false; },
                .CheckTaskbarReveal = [] {},
                .ApplyTranslucency = [](std::int16_t, bool) {},
                .CheckTaskbar = [] {},
                .HandleWindow = [this](Hwnd,
                                       const WindowIdentity& id) { handled += id.Title.size(); },
                .CloseController = [] {}});
        cycle->TimerTimer();
    }

    sim::SimDesktop desk;
    std::uint32_t self = 0;
    std::unique_ptr<ProgramContext> context;
    MainFormControls controls;
    WatchState state;
    TaskbarInfo taskbar;
    DisplayMonitors monitors;
    std::unique_ptr<Timer> timer;
    std::unique_ptr<Form> form;
    std::unique_ptr<WatchCycle> cycle;
    std::size_t handled = 0;
};

void BM_IdleTick(benchmark::State& st) {
    CycleScene scene(static_cast<int>(st.range(0)));
    for (auto _ : st)
        scene.cycle->TimerTimer();
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(BM_IdleTick)->Arg(50)->Arg(500)->Arg(5000);

void BM_FullPassWithIdentities(benchmark::State& st) {
    CycleScene scene(static_cast<int>(st.range(0)));
    for (auto _ : st)
        scene.cycle->RunFullPass();
    benchmark::DoNotOptimize(scene.handled);
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(BM_FullPassWithIdentities)->Arg(50)->Arg(500)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vm
