// The per-window step of the full pass: the eligibility rules, then, for a
// candidate, its relocation, within the same call.
#pragma once

#include <vector>

#include "platform/types.h"
#include "sys/display_monitors.h"
#include "sys/program_context.h"
#include "sys/window_identity.h"
#include "watcher/taskbar_info.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/untouchable_windows.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"
#include "watcher/watch_state.h"
#include "watcher/window_eligibility.h"
#include "watcher/window_relocation.h"

namespace vm {

class WindowHandler {
public:
    WindowHandler(ProgramContext& context, const WatchOptions& options, WatchOutputs& outputs,
                  TaskbarInfo& taskbar, WatchState& watch, const DisplayMonitors& monitors,
                  TaskbarTracker& tracker);

    // The identity is read only if a rule needs it; foreground as the
    // repeat rule takes it (see WindowEligibility::Evaluate).
    void HandleWindow(Hwnd window, LazyIdentity& identity, Hwnd foreground);
    // With a known identity, as a full pass that a tick started.
    void HandleWindow(Hwnd window, const WindowIdentity& identity);
    // The candidates handed on between these two are announced together,
    // with one flash, then moved. EndBatch returns the windows that changed
    // while they were announced and were not moved, for another look.
    // A batch an error cut short leaves nothing behind for the next one.
    void BeginBatch() {
        relocation_.Forget();
        batchOpen_ = true;
    }
    std::vector<Hwnd> EndBatch();
    // At every tick: whether the moves of the last pass took effect, and
    // which windows left alone have moved or gone since.
    void VerifyMoves();

private:
    ProgramContext& context_;
    const WatchState& watch_;
    UntouchableWindows untouchable_;
    WindowEligibility eligibility_;
    WindowRelocation relocation_;
    bool batchOpen_ = false;
};

} // namespace vm
