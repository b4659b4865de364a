#include "watcher/watch_cycle.h"

#include <utility>

#include "platform/constants.h"
#include "sys/window_helpers.h"

namespace vm {

WatchCycle::WatchCycle(ProgramContext& context, const MainFormControls& controls, WatchState& state,
                       const TaskbarInfo& taskbar, Timer& timer, const Form& settingsWindow,
                       DisplayMonitors& monitors, TaskbarTracker& tracker, WindowHandler& handler,
                       WatchCycleHooks hooks)
    : context_(context), controls_(controls), state_(state), taskbar_(taskbar), timer_(timer),
      settingsWindow_(settingsWindow), monitors_(monitors), tracker_(tracker), handler_(handler),
      hooks_(std::move(hooks)) {}

void WatchCycle::TimerTimer() {
    timer_.SetEnabled(false);
    if (hooks_.CheckRestart()) {
        hooks_.CloseController();
        return;
    }
    handler_.VerifyMoves();
    hooks_.CheckTaskbarReveal();
    hooks_.ApplyTranslucency(static_cast<std::int16_t>(controls_.UDTrans.Position()), false);
    CountWindows();
    CheckForeground();
    CheckTaskbarRect();
    if (state_.Changed)
        RunFullPass();
    // The interval counts from the end of the tick, so ticks never overlap.
    timer_.SetEnabled(true);
}

void WatchCycle::CountWindows() {
    state_.Changed = false;
    state_.WindowCount = 0;
    state_.Counting = true;
    context_.platform.win.EnumWindows([this](Hwnd w) { return WatchEnumProc(w); });
    if (state_.WindowCount != state_.LastWindowCount) {
        state_.LastWindowCount = state_.WindowCount;
        state_.Changed = true;
    }
    state_.Counting = false;
}

void WatchCycle::CheckForeground() {
    IWindowSystem& win = context_.platform.win;
    const Hwnd fg = win.GetForegroundWindow();
    if (fg == 0 || !win.IsWindowVisible(fg)) {
        state_.LastForeground = 0;
        return;
    }
    if (fg != state_.LastForeground) {
        state_.LastForeground = fg;
        state_.Changed = true;
    }
    Rect r;
    if (TryGetWindowRect(win, fg, r) && r != state_.LastForegroundRect) {
        state_.LastForegroundRect = r;
        state_.Changed = true;
    }
    if (taskbar_.Hidden != state_.LastHidden) {
        // The taskbar was hidden or shown: bring the user's window back on top.
        state_.LastHidden = taskbar_.Hidden;
        win.SetWindowPos(fg, hwnd_pos::TOP, 0, 0, 0, 0, swp::NOMOVE | swp::NOSIZE);
        ForceForegroundWindow(win, context_.system.info, fg);
        state_.Changed = true;
    }
}

void WatchCycle::CheckTaskbarRect() {
    if (taskbar_.Handle == 0) {
        state_.Changed = true;
        return;
    }
    Rect r;
    if (TryGetWindowRect(context_.platform.win, taskbar_.Handle, r) &&
        r != state_.LastTaskbarRect) {
        state_.LastTaskbarRect = r;
        state_.Changed = true;
    }
}

void WatchCycle::RunFullPass() {
    // Monitors come and go with display changes; the list is cheap to read.
    monitors_.Refresh(context_.platform.win);
    tracker_.CheckTaskbar();
    handler_.ForgetGoneWindows();
    state_.Counting = false;
    // One process snapshot serves the whole pass.
    passNames_.emplace(context_.platform.os);
    context_.platform.win.EnumWindows([this](Hwnd w) { return WatchEnumProc(w); });
    passNames_.reset();
    if (context_.commandLine.IsQuick()) {
        context_.platform.os.Sleep(500);
        hooks_.CloseController();
    }
}

bool WatchCycle::WatchEnumProc(Hwnd window) {
    if (state_.Counting) {
        ++state_.WindowCount;
        return true;
    }
    if (PassesPreFilter(window)) {
        const WindowIdentity identity =
            passNames_ ? GetWindowIdentity(context_.platform, window, *passNames_)
                       : GetWindowIdentity(context_.platform, window);
        handler_.HandleWindow(window, identity);
    }
    return true;
}

bool WatchCycle::PassesPreFilter(Hwnd window) {
    return IsUserWindow(context_.platform.win, window) &&
           context_.platform.win.IsWindowEnabled(window) && !settingsWindow_.Visible() &&
           controls_.PPEnabled.Checked() && controls_.PPEnabled.Visible();
}

} // namespace vm
