// The invariants every schedule of the ordering fuzzer must keep, checked
// over the one order of what happened: the scene's marks and Velmora's
// calls. Definitions (W a window of another program, P its program):
//
// Settled. P has read its queue after its last change of W (creation, show,
// hide, place, maximize, restore, the user's drop). A change made while P
// reads its queue is settled at once; one made while P is busy or hung is
// settled when P reads its queue again. W is under the band when it is
// visible, not maximized, and its top lies above the watch line (30).
//
// 1. Place kept. When Velmora's move of W is carried out (W's thread acts on
//    it), the place it replaces is never one P (or the user) gave W while
//    shown and not under the band, unless the move was sent while W was
//    settled and under the band: a placement racing with a move Velmora had
//    already sent on a settled window is not Velmora's fault. No move is
//    sent while the user is dragging W.
// 2. One announcement per move. In one handling of a message (a pass), a
//    window gets at most one replacement title. Every window announced gets
//    its move sent (or is refused by its thread) before any second
//    announcement of it, unless it leaves the band meanwhile (hidden,
//    destroyed, maximized, placed lower) or the user takes it: a move
//    announced must happen. One not moved in the pass that announced it (it
//    changed meanwhile, and is moved at its next look once its program has
//    settled) owes its move within the second of invariant 3. At most one
//    flash per pass, and sounds and flashes only with a window announced.
// 3. Moved within a second. W at rest under the band (settled, P reading,
//    not dragged, watching on, taskbar shown and not in front, settings
//    window closed) since
//    something Velmora watches brought it there (its creation, a show, the
//    user's drop; or a tick's full pass found it under the band) is moved
//    within 1000 ms of coming to rest. Such a notice ends once W is settled
//    elsewhere; a window its program moves into the band in the background
//    is not the poll's to see. With "Active" on, a window in front that Velmora has
//    moved before is left alone.
// 4. Titles. A WM_SETTEXT from Velmora is either the replacement title or,
//    while the replacement still shows, the title it replaced; at the end
//    every window shows the title its program last set.
// 5. One gate. While Velmora handles a message, another message from
//    outside (the shell's tray callback, a menu command, a close, a timer,
//    a hand-over, a window-event check) that reaches it inside does nothing
//    visible there: no menu, no icon change, no window made or shown, no
//    send, no move, no sleep, and watching is not switched. The gate's
//    release (HANDLE_DEFERRED) hands on one held message, which is then a
//    handling of its own, as if it came at that moment.
// 6. Bounded waits. Velmora never calls into a thread that does not answer
//    without a bound (the desktop counts such calls), no handling of one
//    message lasts longer than its flash plus the bounded sends it made
//    (100 ms + sends x (500 ms + one clock tick), plus one clock tick; a
//    batch of k windows makes up to 2k title sends), and where the desktop
//    measures it no single call waits longer than 500 ms plus one tick.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ordering_scene.h"

namespace vm::ordering {

// One call waits at most a bounded send's 500 ms, plus one 16 ms clock tick.
inline constexpr std::uint64_t kClockTickMs = 16;
inline constexpr std::uint64_t kCallBoundMs = 500 + kClockTickMs;
inline constexpr std::uint64_t kFlashMs = 100;
// One handling: its flashes and its bounded sends, each a call's bound,
// plus one clock tick for the rest of its work.
constexpr std::uint64_t HandlingBoundMs(int flashes, int boundedSends) {
    return kFlashMs * static_cast<std::uint64_t>(flashes) +
           kCallBoundMs * static_cast<std::uint64_t>(boundedSends) + kClockTickMs;
}
inline constexpr std::uint64_t kRestDeadlineMs = 1000;

struct Violation {
    int invariant = 0;
    // Which fault of the known list this looks like ("1".."8"), or a short
    // description of another kind of failure.
    std::string fault;
    std::uint64_t time = 0;
    std::string text;
    int repeats = 0; // later violations of the same kind in the schedule
};

std::vector<Violation> CheckSchedule(const OrderingScene& scene);

// The schedule, then everything that happened in order (the scene's marks
// and Velmora's calls that matter), with the violations where they arose.
std::string Trace(const OrderingScene& scene, const std::vector<Violation>& violations);

} // namespace vm::ordering
