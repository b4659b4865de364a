#include "watcher/window_handler.h"

#include <algorithm>

namespace vm {

WindowHandler::WindowHandler(const WatcherParts& parts)
    : context_(parts.context), watch_(parts.state), eligibility_(parts),
      relocation_(parts, untouchable_), moveSize_(parts.windowState) {}

void WindowHandler::HandleWindow(Hwnd window, LazyIdentity& identity, Hwnd foreground) {
    if (batchOpen_) {
        Plan(window, identity, foreground);
        return;
    }
    BeginBatch();
    Plan(window, identity, foreground);
    EndBatch();
}

void WindowHandler::HandleWindow(Hwnd window, const WindowIdentity& identity) {
    LazyIdentity known(identity);
    HandleWindow(window, known, watch_.LastForeground);
}

void WindowHandler::Plan(Hwnd window, LazyIdentity& identity, Hwnd foreground) {
    const Verdict verdict = eligibility_.Judge(window, identity);
    if (verdict.reason == Eligibility::InMoveSize)
        held_.insert(window);
    const bool clear = ClearOfTheBand(verdict.reason);
    if (fullPass_) {
        const std::optional<WindowBounds> at =
            clear ? std::optional(verdict.candidate.bounds) : std::nullopt;
        const auto last = metLastPass_.find(window);
        if (clear && untilAnswered_ && (last == metLastPass_.end() || last->second != at))
            AskWhenSettled(window);
        metThisPass_[window] = at;
    }
    if (!verdict.Eligible()) {
        announced_.erase(window);
        return;
    }
    // A window that did not move last time is neither announced nor asked
    // again while it stays as it was.
    if (untouchable_.Refuses(context_.platform.win, window, verdict.candidate.bounds))
        return;
    // Asked to move already, by a thread that has not done it yet: one
    // announcement and one move per move.
    if (untouchable_.MoveAwaited(window, verdict.candidate.bounds))
        return;
    // The repeat rule last, on the guard as this batch leaves it so far.
    const bool repeat = eligibility_.RefusesAsRepeat(window, foreground, watch_.LastHandledWindow,
                                                     watch_.RepeatCount);
    if (!repeat && untilAnswered_ && AskWhenSettled(window))
        return;
    if (repeat)
        repeatsInFront_.insert(window);
    reached_.push_back({window, foreground, repeat});
    if (!repeat)
        relocation_.Add(window, identity.Get(), verdict.candidate, announced_.count(window) != 0);
}

void WindowHandler::BeginPass(bool untilAnswered) {
    BeginBatch();
    fullPass_ = true;
    untilAnswered_ = untilAnswered;
    metThisPass_.clear();
}

void WindowHandler::BeginBatch() {
    if (batchOpen_)
        SettleRepeatGuard();
    fullPass_ = false;
    untilAnswered_ = false;
    relocation_.Forget();
    reached_.clear();
    guardWindow_ = watch_.LastHandledWindow;
    guardCount_ = watch_.RepeatCount;
    batchOpen_ = true;
}

std::vector<Hwnd> WindowHandler::EndBatch() {
    const WindowRelocation::Outcome outcome = relocation_.CarryOut();
    for (const Hwnd window : outcome.carriedOut) {
        announced_.erase(window);
        const auto found = std::find_if(reached_.begin(), reached_.end(), [&](const Reached& r) {
            return r.window == window && !r.handled;
        });
        if (found != reached_.end())
            found->handled = true;
    }
    SettleRepeatGuard();
    if (fullPass_)
        metLastPass_.swap(metThisPass_);
    batchOpen_ = false;
    fullPass_ = false;
    untilAnswered_ = false;
    reached_.clear();
    std::vector<Hwnd> again = outcome.changedBefore;
    for (const Hwnd window : outcome.changedDuring) {
        // Still a candidate, it is moved at its next look without a second
        // announcement. Either way it is looked at again once its program
        // has settled: it may still be placing the window, back under the
        // band too.
        if (StillCandidate(window))
            announced_.insert(window);
        else
            announced_.erase(window);
        again.push_back(window);
    }
    return again;
}

bool WindowHandler::ClearOfTheBand(Eligibility reason) {
    return reason == Eligibility::AtOrBelowWatchLine ||
           reason == Eligibility::MaximizedInWorkArea ||
           reason == Eligibility::MaximizedNearWatchLine;
}

void WindowHandler::SettleRepeatGuard() {
    watch_.LastHandledWindow = guardWindow_;
    watch_.RepeatCount = guardCount_;
    for (const Reached& r : reached_) {
        if (r.handled)
            WindowEligibility::FollowRepeat(r.window, r.foreground, watch_.LastHandledWindow,
                                            watch_.RepeatCount);
    }
}

bool WindowHandler::StillCandidate(Hwnd window) {
    LazyIdentity identity([this, window] { return GetWindowIdentity(context_.platform, window); });
    const Verdict verdict = eligibility_.Judge(window, identity);
    if (verdict.reason == Eligibility::InMoveSize)
        held_.insert(window);
    return verdict.Eligible() &&
           !untouchable_.Refuses(context_.platform.win, window, verdict.candidate.bounds);
}

void WindowHandler::VerifyMoves() {
    IWindowSystem& win = context_.platform.win;
    untouchable_.VerifyAttempts(win);
    relocation_.RestoreLateTitles();
    std::erase_if(announced_, [&win](Hwnd window) { return !win.IsWindow(window); });
}

void WindowHandler::NoteHold(Hwnd window) {
    if (window == 0)
        return;
    if (const Hwnd moving = moveSize_.MoveSizeWindowOf(window); moving != 0)
        held_.insert(moving);
}

std::vector<Hwnd> WindowHandler::RepeatsLeftTheFront(Hwnd foreground) {
    std::vector<Hwnd> left;
    std::erase_if(repeatsInFront_, [&](Hwnd window) {
        if (window == foreground)
            return false;
        if (context_.platform.win.IsWindow(window))
            left.push_back(window);
        return true;
    });
    return left;
}

std::vector<Hwnd> WindowHandler::HoldsEnded() {
    std::vector<Hwnd> ended;
    std::erase_if(held_, [&](Hwnd window) {
        if (!context_.platform.win.IsWindow(window))
            return true;
        if (moveSize_.InMoveSize(window))
            return false;
        ended.push_back(window);
        return true;
    });
    return ended;
}

} // namespace vm
