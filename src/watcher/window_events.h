// Window events beside the poll: a window another program makes or shows (or
// the compositor shows, or the user drops after a drag) is checked as soon as
// its program has finished what it was doing, instead of
// at the next tick that notices a change. Each reported window waits in a
// short queue, handled on the user-interface thread: a round trip to its
// thread (SendMessageCallback with WM_NULL) answers once that thread has
// read its queue, that is once its program has placed, sized and shown the
// window as it meant to; only then is the window judged. A thread that does
// not answer holds up no other window; the poll handles its windows as
// always. The ticks, their counters and their full passes stay as they are.
// Where the system has no window events (SetWinEventHook is looked up at run
// time), the poll works alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/unique.h"
#include "sys/program_context.h"

namespace vm {

class WindowEvents {
public:
    // More windows than this at once (a burst) are left to the next full
    // pass, which their changed window count brings about anyway.
    static constexpr std::size_t kCapacity = 256;
    // The shortest period a window timer has (USER_TIMER_MINIMUM).
    static constexpr std::uint32_t kRelookMs = 10;
    // Wine reports a window's creation but not its showing: a window not
    // shown within this time of its report is left to the poll.
    static constexpr std::uint32_t kRelookForMs = 300;
    // A thread that has not answered the round trip within this time is
    // given up: the poll handles its windows.
    static constexpr std::uint32_t kAnswerForMs = 5000;
    // A window answered before it is shown is asked again at once this many
    // times in all, then looked at again by the re-look timer.
    static constexpr int kAsksBeforeRelook = 3;

    // checkWindows gives the windows what a full pass gives them, with one
    // announcement, and returns those that changed while announced.
    WindowEvents(ProgramContext& context,
                 std::function<std::vector<Hwnd>(const std::vector<Hwnd>&)> checkWindows);
    ~WindowEvents();
    WindowEvents(const WindowEvents&) = delete;
    WindowEvents& operator=(const WindowEvents&) = delete;

    // Hooks the creation and showing of other programs' windows; owner gets
    // the pending message and the re-look timer. False without window events.
    bool Start(Hwnd owner);
    // Unhooks and forgets every waiting window; nothing is checked after it,
    // and a round trip answered later is ignored.
    void Stop();
    bool Running() const { return !hooks_.empty(); }
    // The handler of the pending message and of the re-look timer.
    void CheckWaiting();
    std::size_t WaitingCount() const { return waiting_.size(); }

private:
    enum class Stage {
        Reported, // not asked yet
        Hidden,   // answered while not shown yet: asked again once shown
        Asked,    // the round trip waits for the window's thread
        Answered, // its thread has read its queue: ready for the check
    };
    struct Waiting {
        Hwnd window;
        std::uint32_t sinceMs;
        Stage stage = Stage::Reported;
        int asked = 0; // round trips sent
    };
    void OnWinEvent(std::uint32_t event, Hwnd window, std::int32_t idObject, std::int32_t idChild);
    void Report(Hwnd window);
    Waiting* Find(Hwnd window);
    // Asks the window's thread for a round trip; false when it cannot be sent.
    bool Ask(Waiting& entry);
    void OnAnswer(Hwnd window);
    // Whether the entry stays queued: false for a window of our own process,
    // one gone, or one that waited too long.
    bool Keep(const Waiting& entry, std::uint32_t now);
    void PostPending();
    void SetRelookTimer(bool on);

    ProgramContext& context_;
    std::function<std::vector<Hwnd>(const std::vector<Hwnd>&)> checkWindows_;
    std::vector<Unique<HWinEventHook>> hooks_;
    Hwnd owner_ = 0;
    std::uint32_t ownProcess_ = 0;
    std::vector<Waiting> waiting_;
    // Answers of round trips asked before the last Stop find it expired.
    std::shared_ptr<bool> session_;
    bool pendingPosted_ = false;
    bool relookTimer_ = false;
    bool checking_ = false;
};

} // namespace vm
