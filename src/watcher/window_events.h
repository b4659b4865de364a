// Window events beside the poll: a window another program makes or shows is
// checked as soon as the system reports it, instead of at the next tick that
// notices a change. Each reported window waits in a short queue, handled on
// the user-interface thread, until it is visible; the ticks, their counters
// and their full passes stay as they are. Where the system has no window
// events (SetWinEventHook is looked up at run time), the poll works alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/unique.h"
#include "sys/program_context.h"

namespace vm {

class WindowEvents {
public:
    // Posted to the owner window when windows wait for their check.
    static constexpr std::uint32_t kPendingMessage = 0x8002; // WM_APP + 2
    // The owner window's timer that looks again at windows not yet shown.
    static constexpr std::uintptr_t kRelookTimerId = 2;
    // More windows than this at once (a burst) are left to the next full
    // pass, which their changed window count brings about anyway.
    static constexpr std::size_t kCapacity = 256;
    // The shortest period a window timer has (USER_TIMER_MINIMUM): a window
    // is usually shown a few milliseconds after it is made.
    static constexpr std::uint32_t kRelookMs = 10;
    // Wine reports a window's creation but not its showing: a window not
    // shown within this time is left to the poll.
    static constexpr std::uint32_t kRelookForMs = 300;
    // A window is usually shown within milliseconds of its creation, well
    // before the first re-look. Where the system reports creation alone, the
    // thread waits for a newly reported window in steps of 1 ms, at most this
    // many, as long as no more than kSettleWindows wait; a burst waits for
    // the timer.
    static constexpr int kSettleSteps = 6;
    static constexpr std::size_t kSettleWindows = 2;

    // checkWindow gives one window what a full pass gives it.
    WindowEvents(ProgramContext& context, std::function<void(Hwnd)> checkWindow);
    ~WindowEvents();
    WindowEvents(const WindowEvents&) = delete;
    WindowEvents& operator=(const WindowEvents&) = delete;

    // Hooks the creation and showing of other programs' windows; owner gets
    // the pending message and the re-look timer. False without window events.
    bool Start(Hwnd owner);
    // Unhooks and forgets every waiting window; nothing is checked after it.
    void Stop();
    bool Running() const { return static_cast<bool>(hook_); }
    // The handler of the pending message and of the re-look timer.
    void CheckWaiting();
    std::size_t WaitingCount() const { return waiting_.size(); }

private:
    struct Waiting {
        Hwnd window;
        std::uint32_t sinceMs;
        bool settled = false; // had its short wait after the report
    };
    void OnWinEvent(std::uint32_t event, Hwnd window, std::int32_t idObject, std::int32_t idChild);
    // Checks every waiting window that is shown and keeps the rest waiting.
    void CheckBatch();
    bool ShouldSettle() const;
    // False for a window of our own process, one gone, or one still hidden.
    bool ReadyForCheck(const Waiting& entry, bool& keep);
    void PostPending();
    void SetRelookTimer(bool on);

    ProgramContext& context_;
    std::function<void(Hwnd)> checkWindow_;
    Unique<HWinEventHook> hook_;
    Hwnd owner_ = 0;
    std::uint32_t ownProcess_ = 0;
    std::vector<Waiting> waiting_;
    bool pendingPosted_ = false;
    bool relookTimer_ = false;
    bool checking_ = false;
    // Once the system has reported a window's showing, it reports every one
    // and no window needs the short wait.
    bool showReported_ = false;
};

} // namespace vm
