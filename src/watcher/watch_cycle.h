// The heartbeat: a tick looks cheaply at the window count, the foreground
// window and the taskbar's rectangle, and only when one of them changed runs
// the full pass over every top-level window.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "program/program_context.h"
#include "watcher/settle_links.h"
#include "watcher/taskbar_info.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/watch_host.h"
#include "watcher/watch_options.h"
#include "watcher/watch_state.h"
#include "watcher/watcher_parts.h"
#include "watcher/window_handler.h"
#include "window_info/display_monitors.h"
#include "window_info/process_exe_names.h"

namespace vm {

class WatchCycle final : public SettledWindowsJudge {
public:
    WatchCycle(const WatcherParts& parts, WindowHandler& handler);

    void TimerTimer();
    // untilAnswered: a window found to move is moved once its thread has
    // answered, where the window events can ask (see WindowHandler).
    void RunFullPass(bool untilAnswered = false);
    // "A full pass please": the next tick runs one, as its window count
    // differs from none.
    void RequestFullPass() override { state_.LastWindowCount = 0; }
    // The next tick takes the window in front as a new one.
    void ForgetForeground() { state_.LastForeground = 0; }
    // The EnumWindows callback: counts in counting mode, hands plausible
    // windows on otherwise. Never cuts an enumeration short.
    bool WatchEnumProc(Hwnd window);
    // What a full pass gives each of these windows, between ticks: the
    // pre-filter, the identity, the rules, and for the candidates one shared
    // announcement and the moves. No tick's counters change. Returns the
    // windows that changed while they were announced, for another look.
    std::vector<Hwnd> CheckWindows(const std::vector<Hwnd>& windows) override;

private:
    void CountWindows();
    void CheckForeground();
    void CheckTaskbarRect();
    bool PassesPreFilter(Hwnd window);
    bool IsOwnWindow(Hwnd window);
    // Whether the watch line of the last pass still holds for a window
    // event: no pass is owed and the taskbar has not moved since the tick.
    bool WatchLineCurrent();

    ProgramContext& context_;
    const WatchOptions& options_;
    WatchState& state_;
    const TaskbarInfo& taskbar_;
    DisplayMonitors& monitors_;
    TaskbarTracker& tracker_;
    WindowHandler& handler_;
    WatchHost& host_;
    std::uint32_t ownProcessId_;
    // The executables of the processes during a full pass.
    std::optional<ProcessExeNames> passNames_;
};

} // namespace vm
