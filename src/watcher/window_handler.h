// The per-window step of the full pass: the eligibility rules, then, for a
// candidate, its relocation. A window counts as handled (the repeat guard,
// the untouchable rule) only once its move was carried out or refused by
// the system, never when it was only judged.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/types.h"
#include "program/program_context.h"
#include "watcher/settle_links.h"
#include "watcher/taskbar_info.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/untouchable_windows.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"
#include "watcher/watch_state.h"
#include "watcher/watcher_parts.h"
#include "watcher/window_eligibility.h"
#include "watcher/window_relocation.h"
#include "window_info/display_monitors.h"
#include "window_info/window_identity.h"
#include "window_info/window_state.h"

namespace vm {

class WindowHandler {
public:
    explicit WindowHandler(const WatcherParts& parts);

    // The identity is read only if a rule needs it; foreground as the
    // repeat rule takes it (see WindowEligibility::Evaluate). Outside a
    // batch the window is a batch of its own.
    void HandleWindow(Hwnd window, LazyIdentity& identity, Hwnd foreground);
    // With a known identity, as a full pass that a tick started.
    void HandleWindow(Hwnd window, const WindowIdentity& identity);
    // The candidates handed on between these two are announced together,
    // with one flash, then moved. EndBatch returns the windows that want
    // another look once their programs have settled: those that changed
    // before or while they were announced (those still candidates then are
    // moved without a second announcement).
    // A batch an error cut short leaves nothing behind for the next one.
    void BeginBatch();
    // A full pass's batch. untilAnswered hands a candidate to the waiter
    // where it takes it: its program may still be placing the window (its
    // thread busy since it showed it), so it is judged once that thread has
    // answered a round trip, instead of moved now. So is a window found clear
    // of the band that the last pass did not meet there: where no event
    // reports a show (Wine), its program may still be starting or placing
    // it, and put it under the band before it reads its queue, where no
    // tick would notice.
    void BeginPass(bool untilAnswered);
    std::vector<Hwnd> EndBatch();
    // Where a window goes to be judged once its program has settled; none
    // until set.
    void SetSettleWaiter(SettleWaiter& waiter) { waiter_ = &waiter; }
    // At every tick: whether the moves of the last pass took effect, which
    // windows left alone have moved or gone since, and the titles whose
    // restore waited for their thread.
    void VerifyMoves();
    // At every tick: the windows left alone while the user held them (their
    // thread moving or sizing them) that have been let go since. Needs no
    // event: the drop may bring none.
    std::vector<Hwnd> HoldsEnded();
    // At every tick: the windows the repeat rule left alone as the one in
    // front that are no longer in front. The rule no longer holds for them,
    // and the poll sees no change where another window came to the front
    // and went again between two ticks.
    std::vector<Hwnd> RepeatsLeftTheFront(Hwnd foreground);
    // Hands a window to the waiter; false when it did not take it.
    bool AskWhenSettled(Hwnd window) { return waiter_ != nullptr && waiter_->Take(window); }
    // At every tick: whether the user holds a window of this one's thread
    // (that thread moving or sizing it), wherever it is; then it is looked
    // at once let go of.
    void NoteHold(Hwnd window);

private:
    // A window that reached the repeat rule in this batch; the guard
    // follows it once handled (a refusal by the rule is handled at once).
    struct Reached {
        Hwnd window;
        Hwnd foreground;
        bool handled;
    };
    void Plan(Hwnd window, LazyIdentity& identity, Hwnd foreground);
    // The guard as the handled windows of the batch leave it, in order.
    void SettleRepeatGuard();
    // Whether a window that changed while announced is still a candidate.
    bool StillCandidate(Hwnd window);
    // The rules left the window alone only for where it lies now.
    static bool ClearOfTheBand(Eligibility reason);

    ProgramContext& context_;
    WatchState& watch_;
    UntouchableWindows untouchable_;
    WindowEligibility eligibility_;
    WindowRelocation relocation_;
    WindowState& moveSize_;
    bool batchOpen_ = false;
    bool fullPass_ = false;
    bool untilAnswered_ = false;
    SettleWaiter* waiter_ = nullptr;
    // The guard when the batch began; while it runs, the watch state holds
    // the guard as if every candidate so far were moved.
    Hwnd guardWindow_ = 0;
    std::int32_t guardCount_ = 0;
    std::vector<Reached> reached_;
    // Windows the user held when last judged.
    std::unordered_set<Hwnd> held_;
    // Windows the repeat rule left alone while in front.
    std::unordered_set<Hwnd> repeatsInFront_;
    // Announced, and not moved as they changed meanwhile.
    std::unordered_set<Hwnd> announced_;
    // Where the last full pass met each window, and this one so far (clear
    // of the band, or not: then no place).
    std::unordered_map<Hwnd, std::optional<WindowBounds>> metLastPass_;
    std::unordered_map<Hwnd, std::optional<WindowBounds>> metThisPass_;
};

} // namespace vm
