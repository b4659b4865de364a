// Window events beside the poll: a window another program makes or shows
// (or the compositor shows, or the user drops after a drag) is judged as
// soon as its program has finished what it was doing, instead of at the
// next tick that notices a change. The ticks, their counters and their
// full passes stay as they are; where the system has no window events
// (SetWinEventHook is looked up at run time), the poll works alone.
//
// One record per reported window, handled on the user-interface thread.
// An ask is a round trip to the window's thread (SendMessageCallback with
// WM_NULL): it is answered once that thread has read its queue, that is
// once its program has placed, sized and shown the window as it meant to.
// Each ask carries the record's generation; only the answer to the latest
// counts. The stages and what moves a record on:
//
//   any report (create, show, uncloak, end of drag; or Take by a tick: a
//   pass's candidate, a window clear of the band a pass did not see there
//   before, a window let go after a drag)
//                       -> Due: a new generation, the clock starts again
//   Due       ask sent  -> Asked, noting whether the window was shown
//                          (not sent: -> Answered, as if answered at once)
//   Asked     answer of this generation -> Answered (older ones: ignored)
//             5 s without one -> ends; a shown window is taken over by
//                          the poll (a full pass), so none is left behind
//   Answered  asked while shown, shown now -> judged; the record ends
//             asked while hidden, shown now -> Due: its program may show
//                          and place it before it reads its queue again
//             not shown -> Due at once a few times, then Hidden
//   Hidden    shown (the re-look timer looks every 10 ms for 300 ms after
//             the report, then every 250 ms, as Wine reports only
//             creations and a slow start-up may show a window seconds
//             later) -> Due; 10 s after the report -> ends
//   any       window gone or of this program -> ends
//   judged    changed before or while it was announced -> a new report
//
// A record ends only as written there: never while its window is shown
// and unanswered, unless the poll takes the window over. More windows
// than the queue holds (a burst) are left to the full pass their changed
// window count brings about.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/unique.h"
#include "program/program_context.h"
#include "watcher/settle_links.h"

namespace vm {

class WindowEvents final : public SettleWaiter {
public:
    static constexpr std::size_t kCapacity = 256;
    // The shortest period a window timer has (USER_TIMER_MINIMUM).
    static constexpr std::uint32_t kRelookMs = 10;
    static constexpr std::uint32_t kRelookForMs = 300;
    static constexpr std::uint32_t kSlowRelookMs = 250;
    static constexpr std::uint32_t kHiddenForMs = 10000;
    static constexpr std::uint32_t kAnswerForMs = 5000;
    static constexpr int kAsksBeforeRelook = 3;

    // The judge gives the windows what a full pass gives them, with one
    // announcement, and is asked for a full pass where a window is handed
    // to the poll.
    WindowEvents(ProgramContext& context, SettledWindowsJudge& judge);
    ~WindowEvents();
    WindowEvents(const WindowEvents&) = delete;
    WindowEvents& operator=(const WindowEvents&) = delete;

    // Hooks the creation and showing of other programs' windows; owner gets
    // the pending message and the re-look timer. False without window events.
    bool Start(Hwnd owner);
    // Unhooks and forgets every record; nothing is checked after it, and a
    // round trip answered later is ignored.
    void Stop();
    bool Running() const { return !hooks_.empty(); }
    // The handler of the pending message and of the re-look timer.
    void CheckWaiting();
    // A window a full pass found to move, reported as if by an event: it is
    // judged once its thread has answered. False when not running or full.
    bool Take(Hwnd window) override;
    std::size_t WaitingCount() const { return records_.size(); }

private:
    enum class Stage { Due, Asked, Answered, Hidden };
    struct Record {
        Hwnd window;
        std::uint32_t sinceMs; // of the last report
        std::uint32_t generation = 0;
        Stage stage = Stage::Due;
        bool askedShown = false;
        int hiddenAnswers = 0; // since the last report
    };
    // What a check does with a record.
    enum class Next { Keep, Judge, End, HandOver };

    void OnWinEvent(std::uint32_t event, Hwnd window, std::int32_t idObject, std::int32_t idChild);
    void Report(Hwnd window);
    Record* Find(Hwnd window);
    Next Step(Record& record, std::uint32_t now);
    // Sends the round trip of a new generation; Asked, or Answered when it
    // cannot be sent.
    void Ask(Record& record, bool shown);
    void OnAnswer(Hwnd window, std::uint32_t generation);
    bool OwnOrGone(Hwnd window);
    void Judge(const std::vector<Hwnd>& ready);
    void PostPending();
    // 0 stops the timer.
    void SetRelookTimer(std::uint32_t periodMs);

    ProgramContext& context_;
    SettledWindowsJudge& judge_;
    std::vector<Unique<HWinEventHook>> hooks_;
    Hwnd owner_ = 0;
    std::uint32_t ownProcess_ = 0;
    std::vector<Record> records_;
    // Answers of round trips asked before the last Stop find it expired.
    std::shared_ptr<bool> session_;
    bool pendingPosted_ = false;
    std::uint32_t relookMs_ = 0;
    bool checking_ = false;
};

} // namespace vm
