#include "watcher/window_handler.h"

namespace vm {

WindowHandler::WindowHandler(ProgramContext& context, const WatchOptions& options,
                             WatchOutputs& outputs, TaskbarInfo& taskbar, WatchState& watch,
                             const DisplayMonitors& monitors, TaskbarTracker& tracker)
    : context_(context), watch_(watch),
      eligibility_(context, options, taskbar, watch, monitors, tracker),
      relocation_(context, options, outputs, monitors, untouchable_) {}

void WindowHandler::HandleWindow(Hwnd window, LazyIdentity& identity, Hwnd foreground) {
    const Verdict verdict = eligibility_.Evaluate(window, identity, foreground);
    if (!verdict.Eligible())
        return;
    // A window that did not move last time is neither announced nor asked
    // again while it stays as it was.
    if (untouchable_.Refuses(context_.platform.win, window, verdict.candidate.bounds))
        return;
    // Asked to move already, by a thread that has not done it yet: one
    // announcement and one move per move.
    if (untouchable_.MoveAwaited(window, verdict.candidate.bounds))
        return;
    if (batchOpen_)
        relocation_.Add(window, identity.Get(), verdict.candidate);
    else
        relocation_.Relocate(window, identity.Get(), verdict.candidate);
}

std::vector<Hwnd> WindowHandler::EndBatch() {
    batchOpen_ = false;
    return relocation_.CarryOut();
}

void WindowHandler::HandleWindow(Hwnd window, const WindowIdentity& identity) {
    LazyIdentity known(identity);
    HandleWindow(window, known, watch_.LastForeground);
}

void WindowHandler::VerifyMoves() {
    untouchable_.VerifyAttempts(context_.platform.win);
}

} // namespace vm
