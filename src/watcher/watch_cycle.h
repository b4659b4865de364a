// The heartbeat: a tick looks cheaply at the window count, the foreground
// window and the taskbar's rectangle, and only when one of them changed runs
// the full pass over every top-level window.
#pragma once

#include <cstdint>
#include <functional>

#include "app/program_context.h"
#include "sys/display_monitors.h"
#include "sys/window_identity.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/timer.h"
#include "watcher/taskbar_info.h"
#include "watcher/watch_state.h"

namespace vm {

// What a tick asks of the rest of the controller.
struct WatchCycleHooks {
    std::function<bool()> CheckRestart;
    std::function<void()> CheckTaskbarReveal;
    std::function<void(std::int16_t percent, bool force)> ApplyTranslucency;
    std::function<void()> CheckTaskbar;
    std::function<void(Hwnd, const WindowIdentity&)> HandleWindow;
    std::function<void()> CloseController;
};

class WatchCycle {
public:
    WatchCycle(ProgramContext& context, const MainFormControls& controls, WatchState& state,
               const TaskbarInfo& taskbar, Timer& timer, const Form& settingsWindow,
               DisplayMonitors& monitors, WatchCycleHooks hooks);

    void TimerTimer();
    void RunFullPass();
    // The EnumWindows callback: counts in counting mode, hands plausible
    // windows on otherwise. Never cuts an enumeration short.
    bool WatchEnumProc(Hwnd window);

private:
    void CountWindows();
    void CheckForeground();
    void CheckTaskbarRect();
    bool PassesPreFilter(Hwnd window);

    ProgramContext& context_;
    const MainFormControls& controls_;
    WatchState& state_;
    const TaskbarInfo& taskbar_;
    Timer& timer_;
    const Form& settingsWindow_;
    DisplayMonitors& monitors_;
    WatchCycleHooks hooks_;
};

} // namespace vm
