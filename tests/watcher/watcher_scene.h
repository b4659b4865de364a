// A program instance with its taskbar tracker and window handler on a
// simulated desktop: one 1024 x 768 monitor under a 30-pixel top taskbar,
// and the program "note.exe" whose windows the tests open. The tests set the
// options as a value; what the watcher shows goes to the controls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/watcher_controls.h"
#include "sim_desktop/sim_desktop.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/watch_host.h"
#include "watcher/watch_options.h"
#include "watcher/watcher_parts.h"
#include "watcher/window_handler.h"
#include "window_info/window_helpers.h"
#include "window_info/window_state.h"

namespace vm {

struct SceneLayout {
    Rect monitor{0, 0, 1024, 768};
    Rect work{0, 30, 1024, 768};
    sim::TaskbarSpec taskbar{};
    bool withTaskbar = true;
    std::uint32_t dpi = kDesignDpi;
};

// What the watcher asks of the program, counted; the tick's timer and the
// restart are the watch cycle's tests' own.
struct SceneHost final : WatchHost, SettingsCanceller {
    void SetTimerEnabled(bool enabled) override {
        if (OnTimerEnabled)
            OnTimerEnabled(enabled);
    }
    bool CheckRestart() override { return restart; }
    void CheckTaskbarReveal() override {}
    void ApplyTranslucency(std::int16_t percent, bool force) override {
        translucency.emplace_back(percent, force);
    }
    void CloseProgram() override { ++closes; }
    void CancelSettings() override {
        if (OnCancelSettings)
            OnCancelSettings();
    }

    std::function<void(bool)> OnTimerEnabled;
    std::function<void()> OnCancelSettings;
    bool restart = false;
    int closes = 0;
    std::vector<std::pair<std::int16_t, bool>> translucency;
};

class WatcherScene {
public:
    explicit WatcherScene(std::vector<std::string> args = {}, SceneLayout layout = {}) {
        desk.addMonitor(layout.monitor, layout.work, layout.dpi);
        if (layout.withTaskbar)
            desk.addTaskbar(layout.taskbar);
        self = desk.addProcess("C:\\Velmora\\Velmora.exe");
        note = desk.addProcess("C:\\Apps\\note.exe");
        context = std::make_unique<ProgramContext>(
            ProgramContext{desk.platformFor(self), CommandLine(std::move(args)), {}});
        settingsWindow = std::make_unique<Form>(context->platform.win);
        windowState = std::make_unique<WindowState>(context->platform);
        host.OnCancelSettings = [this] { HideSettings(); };
        ui = std::make_unique<WatcherControls>(controls, tray, *settingsWindow, options, host);
        tracker = std::make_unique<TaskbarTracker>(*context, options, *ui, host);
        handler = std::make_unique<WindowHandler>(Parts());
        // The wiring the controller does for the watcher's handlers.
        controls.PPEnabled.OnClick = [this] {
            options.settings.enabled = controls.PPEnabled.Checked();
            tracker->PPEnabledClick();
        };
        controls.Slider.OnChange = [this] { ui->TrackBarChange(Taskbar().AppBarBottom()); };
        monitors.Refresh(context->platform.win);
    }

    Hwnd Open(sim::WindowSpec spec) {
        if (spec.pid == 0)
            spec.pid = note;
        if (spec.className.empty())
            spec.className = "NoteWindow";
        if (spec.title.empty() && spec.titleW.empty())
            spec.title = "Note";
        return desk.addWindow(spec);
    }
    // What a full pass does for one window: the taskbar check, then the
    // handler with the window's identity; then the window's program reads
    // its queue, where a move waits for it.
    void Pass(Hwnd window) {
        tracker->CheckTaskbar();
        handler->HandleWindow(window, GetWindowIdentity(context->platform, window));
        desk.scheduler().advance(0);
    }
    Rect RectOf(Hwnd window) { return desk.windows().window(window).rect; }
    TaskbarInfo& Taskbar() { return tracker->Taskbar(); }
    WatcherParts Parts() {
        return {.context = *context,
                .options = options,
                .outputs = *ui,
                .host = host,
                .state = watch,
                .monitors = monitors,
                .tracker = *tracker,
                .windowState = *windowState};
    }
    void ShowSettings() {
        settingsWindow->Show();
        options.settingsShown = true;
    }
    void HideSettings() {
        settingsWindow->Hide();
        options.settingsShown = false;
    }

    sim::SimDesktop desk;
    std::uint32_t self = 0;
    std::uint32_t note = 0;
    std::unique_ptr<ProgramContext> context;
    MainFormControls controls;
    // As the settings window's design has them: a move is announced with a
    // title and a sound.
    WatchOptions options{.settings = {.showMoveTitle = true, .playMoveSound = true}};
    SceneHost host;
    WatchState watch;
    TrayIcon tray;
    DisplayMonitors monitors;
    std::unique_ptr<Form> settingsWindow;
    std::unique_ptr<WindowState> windowState;
    // The watcher's outputs, on the controls.
    std::unique_ptr<WatcherControls> ui;
    std::unique_ptr<TaskbarTracker> tracker;
    std::unique_ptr<WindowHandler> handler;
};

} // namespace vm
