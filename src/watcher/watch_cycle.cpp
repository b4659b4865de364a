#include "watcher/watch_cycle.h"

#include <unordered_set>

#include "platform/constants.h"
#include "window_info/window_helpers.h"

namespace vm {

WatchCycle::WatchCycle(const WatcherParts& parts, WindowHandler& handler)
    : context_(parts.context), options_(parts.options), state_(parts.state),
      taskbar_(parts.tracker.Taskbar()), monitors_(parts.monitors), tracker_(parts.tracker),
      handler_(handler), host_(parts.host),
      ownProcessId_(parts.context.platform.os.GetCurrentProcessId()) {}

void WatchCycle::TimerTimer() {
    host_.SetTimerEnabled(false);
    if (host_.CheckRestart()) {
        host_.CloseProgram();
        return;
    }
    handler_.VerifyMoves();
    host_.CheckTaskbarReveal();
    host_.ApplyTranslucency(static_cast<std::int16_t>(options_.settings.translucencyPercent),
                            false);
    CountWindows();
    CheckForeground();
    CheckTaskbarRect();
    // A window the user let go of is judged as an end-of-drag event would
    // have it judged, once its thread has answered (its program may still
    // place it), even where it was dropped just where the last tick saw it;
    // without window events, by a pass now. The one in front is the one the
    // user drags: held wherever it is, as a pass may have seen it only below
    // the band while the drag went on.
    handler_.NoteHold(state_.LastForeground);
    std::vector<Hwnd> again = handler_.HoldsEnded();
    for (const Hwnd window : handler_.RepeatsLeftTheFront(state_.LastForeground))
        again.push_back(window);
    for (const Hwnd window : again) {
        if (!handler_.AskWhenSettled(window))
            state_.Changed = true;
    }
    // A tick's pass may meet a window its program is still placing; the
    // first pass, at the start, finds the windows that were there before.
    if (state_.Changed)
        RunFullPass(!context_.commandLine.IsQuick());
    // The interval counts from the end of the tick, so ticks never overlap.
    host_.SetTimerEnabled(true);
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
    // The window the user was dragging may have lost the front before the drop.
    if (fg != state_.LastForeground)
        handler_.NoteHold(state_.LastForeground);
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
    if (taskbar_.Hidden() != state_.LastHidden) {
        // The taskbar was hidden or shown: bring the user's window back on
        // top. The request goes to the window's own thread without waiting
        // for it, so a program that does not answer holds no tick up.
        state_.LastHidden = taskbar_.Hidden();
        RaiseWithoutWaiting(win, fg);
        ForceForegroundWindow(win, context_.system.info, fg);
        state_.Changed = true;
    }
}

void WatchCycle::CheckTaskbarRect() {
    if (taskbar_.Handle() == 0) {
        state_.Changed = true;
        return;
    }
    Rect r;
    if (TryGetWindowRect(context_.platform.win, taskbar_.Handle(), r) &&
        r != state_.LastTaskbarRect) {
        state_.LastTaskbarRect = r;
        state_.Changed = true;
    }
}

void WatchCycle::RunFullPass(bool untilAnswered) {
    // Monitors come and go with display changes; the list is cheap to read.
    monitors_.Refresh(context_.platform.win);
    tracker_.CheckTaskbar();
    state_.Counting = false;
    // One process snapshot serves the whole pass.
    passNames_.emplace(context_.platform.os);
    handler_.BeginPass(untilAnswered);
    context_.platform.win.EnumWindows([this](Hwnd w) { return WatchEnumProc(w); });
    // A window its program placed while it was announced is judged again
    // at the next tick.
    if (!handler_.EndBatch().empty())
        RequestFullPass();
    passNames_.reset();
    if (context_.commandLine.IsQuick()) {
        context_.platform.os.Sleep(500);
        host_.CloseProgram();
    }
}

bool WatchCycle::WatchEnumProc(Hwnd window) {
    if (state_.Counting) {
        ++state_.WindowCount;
        return true;
    }
    if (PassesPreFilter(window)) {
        LazyIdentity identity([this, window] {
            return passNames_ ? GetWindowIdentity(context_.platform, window, *passNames_)
                              : GetWindowIdentity(context_.platform, window);
        });
        handler_.HandleWindow(window, identity, state_.LastForeground);
    }
    return true;
}

std::vector<Hwnd> WatchCycle::CheckWindows(const std::vector<Hwnd>& windows) {
    if (!WatchLineCurrent())
        return {};
    // The one in front as a tick would record it now, without recording it:
    // the next tick still compares with what the last tick saw.
    IWindowSystem& win = context_.platform.win;
    Hwnd foreground = win.GetForegroundWindow();
    if (foreground != 0 && !win.IsWindowVisible(foreground))
        foreground = 0;
    handler_.BeginBatch();
    std::optional<std::unordered_set<Hwnd>> enumerated;
    for (const Hwnd window : windows) {
        if (!PassesPreFilter(window))
            continue;
        if (!enumerated) {
            // Only windows a pass could meet: since Windows 8 events also
            // report windows EnumWindows leaves out. And the other monitors'
            // bars as a pass would find them now: an auto-hidden one may
            // have slid away since the last pass.
            enumerated.emplace();
            win.EnumWindows([&enumerated](Hwnd w) {
                enumerated->insert(w);
                return true;
            });
            tracker_.FindSecondaryTaskbars();
        }
        if (enumerated->count(window) == 0)
            continue;
        LazyIdentity identity(
            [this, window] { return GetWindowIdentity(context_.platform, window); });
        handler_.HandleWindow(window, identity, foreground);
    }
    return handler_.EndBatch();
}

bool WatchCycle::WatchLineCurrent() {
    // Between ticks the watch line is the last pass's. After a reset that
    // asks for a pass, or once the taskbar has moved, the window waits for
    // that pass (its creation changed the window count, which brings one).
    if (state_.LastWindowCount == 0 || taskbar_.Handle() == 0)
        return false;
    Rect bar;
    return TryGetWindowRect(context_.platform.win, taskbar_.Handle(), bar) &&
           bar == state_.LastTaskbarRect;
}

bool WatchCycle::PassesPreFilter(Hwnd window) {
    IWindowSystem& win = context_.platform.win;
    return IsUserWindow(win, window) && win.IsWindowEnabled(window) && !IsOwnWindow(window) &&
           !options_.settingsShown && options_.settings.enabled && tracker_.Tracking();
}

// The program's own windows (the application window shows a caption once
// the settings window has closed) are never the rules' business.
bool WatchCycle::IsOwnWindow(Hwnd window) {
    std::uint32_t processId = 0;
    context_.platform.win.GetWindowThreadProcessId(window, &processId);
    return processId == ownProcessId_;
}

} // namespace vm
