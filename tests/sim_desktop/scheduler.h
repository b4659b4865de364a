// The virtual clock of the simulated desktop and the one thread of each
// process: scene events, posted messages, timers, the message loops, and
// whether a thread answers (hung, sleeping, busy). It runs everything in
// time order on the one test thread; a message reaches its window through
// the dispatch function it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace vm::sim {

class SimScheduler {
public:
    using Dispatch =
        std::function<void(Hwnd window, std::uint32_t msg, std::uintptr_t, std::intptr_t)>;
    explicit SimScheduler(Dispatch dispatch) : dispatch_(std::move(dispatch)) {}

    std::uint64_t now() const { return now_; }
    const std::uint64_t& clock() const { return now_; }
    // Runs, in time order, the due scene events and the due timers and
    // posted messages of all threads.
    void advance(std::uint32_t ms);
    // Something another program does at an absolute time.
    void at(std::uint64_t timeMs, std::function<void()> event);

    // The thread of a new process; a thread that ended takes nothing more.
    void addThread(std::uint32_t pid);
    void endThread(std::uint32_t pid);

    bool post(std::uint32_t pid, Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
              std::intptr_t lParam);
    // Queues call for the thread, as a message its loop delivers.
    bool postCall(std::uint32_t pid, std::function<void()> call);
    void postQuit(std::uint32_t pid, int exitCode);
    // The exit code the thread gave PostQuitMessage; -1 before.
    int exitCodeOf(std::uint32_t pid) const;
    // An interval is at least 10 ms.
    void setTimer(std::uint32_t pid, Hwnd window, std::uintptr_t id, std::uint32_t elapseMs);
    // Only the thread that set a timer kills it.
    bool killTimer(std::uint32_t pid, Hwnd window, std::uintptr_t id);
    // The window's timers go with it.
    void killTimers(Hwnd window);
    std::size_t timerCount(std::uint32_t pid) const;
    // Runs the thread's message loop until its quit message; -1 when it
    // would wait for ever.
    int runMessageLoop(std::uint32_t pid);
    // Delivers what was sent and then what was posted to the thread before
    // the call.
    void processMessages(std::uint32_t pid);
    // The thread of pid waits inside a call (Sleep, a send's time-out, a
    // call blocked on another thread) for ms, or less when done() holds
    // first; the other threads run on meanwhile, their timers included,
    // while the waiting one reads no posted message and no timer. A wait
    // shorter than the clock's tick lasts the whole tick. kForever waits
    // until done() holds; when nothing left in the scene could make it
    // hold, the wait gives up after a virtual day. Every wait of a thread
    // goes through here; true when done() ended it.
    static constexpr std::uint32_t kForever = 0xFFFFFFFFu;
    bool waitInCall(std::uint32_t pid, std::uint32_t ms, const std::function<bool()>& done = {});
    // The longest single wait of the thread of pid inside a call since the
    // last reset.
    std::uint64_t longestWaitMs(std::uint32_t pid) const;
    void resetLongestWaits() { longestWaits_.clear(); }
    // The thread itself sleeps: it answers nothing until it wakes.
    void sleepThread(std::uint32_t pid, std::uint32_t ms);

    // Registered window messages, by name whatever its case.
    std::uint32_t registerMessage(const std::string& name);
    std::optional<std::uint32_t> registeredMessage(const std::string& name) const;

    // A thread that stops reading its queue (or reads it again).
    void setHung(std::uint32_t pid, bool on);
    // The thread reads no messages for ms from now, then reads its queue.
    void setBusy(std::uint32_t pid, std::uint32_t ms);
    // Whether the thread of pid takes a message sent from the caller's
    // thread now: it reads its queue or waits inside a send of its own.
    bool answers(std::uint32_t caller, std::uint32_t pid) const;
    // The system reports the thread hung (IsHungAppWindow,
    // SMTO_ABORTIFHUNG) once it has not read its queue for 5 s.
    bool hung(std::uint32_t pid) const;
    // A synchronous call from the caller's thread that the thread of pid
    // carries out (a send, SetWindowPos, ShowWindow, SetWindowText on its
    // window) waits until that thread answers; false when it never does.
    // Each call that had to wait is counted.
    bool waitUntilAnswered(std::uint32_t caller, std::uint32_t pid);
    std::size_t frozenCalls() const { return frozenCalls_; }
    // An asynchronous request for the thread of pid: it runs when that
    // thread next reads its queue, after what its program does first; at
    // once for the caller's own thread.
    void whenThreadReads(std::uint32_t caller, std::uint32_t pid, std::function<void()> request);

    // Sent without waiting (SendNotifyMessage) to a window of another
    // thread: the message waits among the thread's sent messages, which reach
    // it before anything posted, whenever it reads its queue or waits in a
    // send of its own (sent_messages.cpp). False when the thread has ended.
    bool sendNotify(std::uint32_t pid, Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                    std::intptr_t lParam);
    // The thread handles the messages sent to it, oldest first: it reads its
    // queue or waits for another thread's answer.
    void receiveSent(std::uint32_t pid);
    std::size_t sentWaiting(std::uint32_t pid) const;

private:
    struct Thread {
        int exitCode = -1;
        bool quitPosted = false;
        bool loopEnded = false;      // the quit was seen: nothing is dispatched any more
        bool hung = false;           // stopped reading its queue
        int sleeping = 0;            // inside Sleep: answers nothing until it returns
        std::uint64_t wakesAt = 0;   // when its Sleep ends
        int waiting = 0;             // inside a call: reads no posted message or timer
        std::uint64_t busyUntil = 0; // reads no messages before this time
        std::uint64_t stalledSince = 0;
        std::size_t queued = 0; // posted messages waiting
    };
    struct Timer {
        std::uint32_t pid;
        std::uint32_t interval;
        std::uint64_t due;
        std::uint64_t order;
    };
    struct Posted {
        std::uint32_t pid;
        Hwnd window;
        std::uint32_t msg;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        std::uint64_t order;
        // Delivered instead of the message when set.
        std::function<void()> call{};
    };
    using TimerKey = std::pair<Hwnd, std::uintptr_t>;

    Thread* find(std::uint32_t pid);
    const Thread* find(std::uint32_t pid) const;
    // Takes sent messages: not hung, asleep or busy.
    bool takesSends(const Thread& thread) const {
        return !thread.hung && (thread.sleeping == 0 || now_ >= thread.wakesAt) &&
               now_ >= thread.busyUntil;
    }
    // Takes posted messages and timers: takes sends and waits in no call.
    bool reads(const Thread& thread) const { return takesSends(thread) && thread.waiting == 0; }
    // Called before the thread stops answering: when it stopped.
    void noteStall(Thread& thread);
    // Runs the next item due no later than until; false when none is.
    bool runNext(std::uint64_t until);
    void runFirstSceneEvent();
    // Delivers the oldest message posted to a thread that reads its queue;
    // false when there is none.
    bool deliverOldestMessage();
    void deliver(const Posted& message);
    void endFinishedLoops();
    bool hasWork(std::uint32_t pid, const Thread& thread) const;
    // Delivers the oldest message sent to a thread that reads its queue;
    // false when there is none.
    bool deliverSentToReadingThread();

    Dispatch dispatch_;
    std::uint64_t now_ = 0;
    std::uint64_t order_ = 0; // sequence of events, timers and messages
    std::unordered_map<std::uint32_t, Thread> threads_;
    std::vector<std::uint32_t> quitting_; // quit posted, loop not ended yet
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::function<void()>> sceneEvents_;
    std::map<TimerKey, Timer> timers_;
    std::deque<Posted> posted_;
    struct Sent {
        std::uint32_t pid;
        Hwnd window;
        std::uint32_t msg;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    std::deque<Sent> sent_;
    std::size_t frozenCalls_ = 0;
    std::unordered_map<std::uint32_t, std::uint64_t> longestWaits_;
    std::unordered_map<std::string, std::uint32_t> registeredMessages_; // by folded name
};

} // namespace vm::sim
