// The virtual clock: scene events, posted messages, timers and the message
// loops of the programs, run in time order on the one test thread.
#include "sim_desktop/scheduler.h"

#include <algorithm>
#include <limits>
#include <tuple>

#include "platform/constants.h"
#include "sim_desktop/cp932.h"

namespace vm::sim {

namespace {
constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
// A message loop that waits longer than this waits for ever.
constexpr std::uint64_t kLoopGiveUpMs = 24ull * 60 * 60 * 1000;
// The system's shortest timer interval (USER_TIMER_MINIMUM).
constexpr std::uint32_t kMinimumTimerMs = 10;
// The system clock's tick (15.625 ms) unless a program raised the timer
// resolution, which none here does.
constexpr std::uint32_t kClockTickMs = 16;
} // namespace

void SimScheduler::advance(std::uint32_t ms) {
    const std::uint64_t until = now_ + ms;
    while (runNext(until)) {
    }
    now_ = std::max(now_, until);
}

void SimScheduler::at(std::uint64_t timeMs, std::function<void()> event) {
    sceneEvents_.emplace(std::make_pair(timeMs, order_++), std::move(event));
}

void SimScheduler::addThread(std::uint32_t pid) {
    threads_.try_emplace(pid);
}

void SimScheduler::endThread(std::uint32_t pid) {
    Thread* thread = find(pid);
    if (thread == nullptr)
        return;
    thread->loopEnded = true;
    std::erase_if(posted_, [pid](const Posted& message) { return message.pid == pid; });
    std::erase_if(sent_, [pid](const Sent& message) { return message.pid == pid; });
    thread->queued = 0;
}

SimScheduler::Thread* SimScheduler::find(std::uint32_t pid) {
    const auto it = threads_.find(pid);
    return it == threads_.end() ? nullptr : &it->second;
}

const SimScheduler::Thread* SimScheduler::find(std::uint32_t pid) const {
    const auto it = threads_.find(pid);
    return it == threads_.end() ? nullptr : &it->second;
}

std::size_t SimScheduler::timerCount(std::uint32_t pid) const {
    return static_cast<std::size_t>(
        std::count_if(timers_.begin(), timers_.end(),
                      [pid](const auto& timer) { return timer.second.pid == pid; }));
}

bool SimScheduler::post(std::uint32_t pid, Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                        std::intptr_t lParam) {
    Thread* thread = find(pid);
    if (thread == nullptr || thread->loopEnded)
        return thread != nullptr;
    posted_.push_back({pid, window, msg, wParam, lParam, order_++});
    ++thread->queued;
    return true;
}

bool SimScheduler::postCall(std::uint32_t pid, std::function<void()> call) {
    Thread* thread = find(pid);
    if (thread == nullptr || thread->loopEnded)
        return false;
    posted_.push_back({pid, 0, 0, 0, 0, order_++, std::move(call)});
    ++thread->queued;
    return true;
}

void SimScheduler::postQuit(std::uint32_t pid, int exitCode) {
    Thread& thread = *find(pid);
    if (!thread.quitPosted && !thread.loopEnded)
        quitting_.push_back(pid);
    thread.quitPosted = true;
    thread.exitCode = exitCode;
}

int SimScheduler::exitCodeOf(std::uint32_t pid) const {
    const Thread* thread = find(pid);
    return thread == nullptr ? -1 : thread->exitCode;
}

void SimScheduler::setTimer(std::uint32_t pid, Hwnd window, std::uintptr_t id,
                            std::uint32_t elapseMs) {
    const std::uint32_t interval = std::max(elapseMs, kMinimumTimerMs);
    timers_[{window, id}] = Timer{pid, interval, now_ + interval, order_++};
}

bool SimScheduler::killTimer(std::uint32_t pid, Hwnd window, std::uintptr_t id) {
    const auto timer = timers_.find({window, id});
    if (timer == timers_.end() || timer->second.pid != pid)
        return false;
    timers_.erase(timer);
    return true;
}

void SimScheduler::killTimers(Hwnd window) {
    std::erase_if(timers_, [window](const auto& timer) { return timer.first.first == window; });
}

bool SimScheduler::runNext(std::uint64_t until) {
    endFinishedLoops();
    // At one moment: what other programs do first, then sent messages, then
    // posted ones, then timers, which Windows generates only when the queue
    // is empty.
    if (!sceneEvents_.empty() && sceneEvents_.begin()->first.first <= now_) {
        runFirstSceneEvent();
        return true;
    }
    if (deliverSentToReadingThread() || deliverOldestMessage())
        return true;
    const std::uint64_t eventAt = sceneEvents_.empty() ? kNever : sceneEvents_.begin()->first.first;
    auto timer = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        // A thread that does not read its queue gets no timer message; it
        // gets the missed one, once, when it reads again.
        const Thread& owner = *find(it->second.pid);
        if (owner.quitPosted || !reads(owner))
            continue;
        if (timer == timers_.end() || std::tie(it->second.due, it->second.order) <
                                          std::tie(timer->second.due, timer->second.order))
            timer = it;
    }
    const std::uint64_t timerAt = timer == timers_.end() ? kNever : timer->second.due;
    if (std::min(eventAt, timerAt) > until)
        return false;
    if (eventAt <= timerAt) {
        now_ = std::max(now_, eventAt);
        runFirstSceneEvent();
        return true;
    }
    // A late timer fires once; it does not catch up on the ticks it missed.
    now_ = std::max(now_, timerAt);
    const auto [window, id] = timer->first;
    timer->second.due = now_ + timer->second.interval;
    dispatch_(window, wm::TIMER, id, 0);
    return true;
}

void SimScheduler::runFirstSceneEvent() {
    const auto first = sceneEvents_.begin();
    const std::function<void()> event = std::move(first->second);
    sceneEvents_.erase(first);
    event();
}

bool SimScheduler::deliverOldestMessage() {
    const auto it = std::find_if(posted_.begin(), posted_.end(), [this](const Posted& message) {
        return reads(*find(message.pid));
    });
    if (it == posted_.end())
        return false;
    const Posted message = *it;
    posted_.erase(it);
    deliver(message);
    return true;
}

void SimScheduler::deliver(const Posted& message) {
    --find(message.pid)->queued;
    if (message.call)
        message.call();
    else
        dispatch_(message.window, message.msg, message.wParam, message.lParam);
}

void SimScheduler::endFinishedLoops() {
    // WM_QUIT comes after the messages posted before it. Only the threads
    // with a quit pending are looked at: a long run ends thousands.
    std::erase_if(quitting_, [this](std::uint32_t pid) {
        Thread& thread = *find(pid);
        if (thread.queued == 0)
            thread.loopEnded = true;
        return thread.loopEnded;
    });
}

int SimScheduler::runMessageLoop(std::uint32_t pid) {
    const Thread& thread = *find(pid);
    const std::uint64_t giveUp = now_ + kLoopGiveUpMs;
    while (true) {
        endFinishedLoops();
        if (thread.loopEnded)
            return thread.exitCode;
        if (!hasWork(pid, thread) && sceneEvents_.empty())
            return -1;
        if (!runNext(giveUp)) {
            now_ = giveUp;
            return -1;
        }
    }
}

void SimScheduler::processMessages(std::uint32_t pid) {
    const std::uint64_t postedBefore = order_;
    receiveSent(pid);
    while (true) {
        const auto it = std::find_if(posted_.begin(), posted_.end(), [&](const Posted& message) {
            return message.pid == pid && message.order < postedBefore;
        });
        if (it == posted_.end())
            return;
        const Posted message = *it;
        posted_.erase(it);
        deliver(message);
    }
}

bool SimScheduler::waitInCall(std::uint32_t pid, std::uint32_t ms,
                              const std::function<bool()>& done) {
    const std::uint64_t start = now_;
    const bool forever = ms == kForever;
    const std::uint64_t until =
        forever ? now_ + kLoopGiveUpMs : now_ + (ms == 0 ? 0 : std::max(ms, kClockTickMs));
    Thread* self = find(pid);
    if (self != nullptr)
        ++self->waiting;
    bool ended = false;
    try {
        while (!(ended = done && done())) {
            // Only the scene changes whether a thread answers: without it,
            // a wait for ever would never end.
            if (forever && sceneEvents_.empty())
                break;
            if (!runNext(until))
                break;
        }
    } catch (...) {
        if (self != nullptr)
            --self->waiting;
        throw;
    }
    if (self != nullptr)
        --self->waiting;
    if (!ended)
        now_ = std::max(now_, until);
    std::uint64_t& longest = longestWaits_[pid];
    longest = std::max(longest, now_ - start);
    return ended;
}

std::uint64_t SimScheduler::longestWaitMs(std::uint32_t pid) const {
    const auto it = longestWaits_.find(pid);
    return it == longestWaits_.end() ? 0 : it->second;
}

void SimScheduler::sleepThread(std::uint32_t pid, std::uint32_t ms) {
    Thread& self = *find(pid);
    noteStall(self);
    ++self.sleeping;
    self.wakesAt = now_ + (ms == 0 ? 0 : std::max(ms, kClockTickMs));
    // A thread waiting for this one to wake waits until then.
    at(self.wakesAt, [] {});
    try {
        waitInCall(pid, ms);
    } catch (...) {
        --self.sleeping;
        throw;
    }
    --self.sleeping;
}

void SimScheduler::noteStall(Thread& thread) {
    if (takesSends(thread))
        thread.stalledSince = now_;
}

bool SimScheduler::hasWork(std::uint32_t pid, const Thread& thread) const {
    if (thread.quitPosted || thread.queued != 0 || sentWaiting(pid) != 0)
        return true;
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const auto& timer) { return timer.second.pid == pid; });
}

std::uint32_t SimScheduler::registerMessage(const std::string& name) {
    const auto id = static_cast<std::uint32_t>(0xC000 + registeredMessages_.size());
    return registeredMessages_.try_emplace(FoldAsciiCase(name), id).first->second;
}

std::optional<std::uint32_t> SimScheduler::registeredMessage(const std::string& name) const {
    const auto it = registeredMessages_.find(FoldAsciiCase(name));
    if (it == registeredMessages_.end())
        return std::nullopt;
    return it->second;
}

void SimScheduler::setHung(std::uint32_t pid, bool on) {
    Thread& thread = *find(pid);
    if (on)
        noteStall(thread);
    thread.hung = on;
}

bool SimScheduler::hung(std::uint32_t pid) const {
    // Not reading the queue for this long makes a thread hung.
    constexpr std::uint64_t kHungAfterMs = 5000;
    const Thread* thread = find(pid);
    return thread != nullptr && !takesSends(*thread) && now_ - thread->stalledSince >= kHungAfterMs;
}

void SimScheduler::setBusy(std::uint32_t pid, std::uint32_t ms) {
    Thread& thread = *find(pid);
    noteStall(thread);
    thread.busyUntil = std::max(thread.busyUntil, now_ + ms);
    // The moment it reads again, for the threads waiting on it.
    at(now_ + ms, [] {});
}

void SimScheduler::whenThreadReads(std::uint32_t caller, std::uint32_t pid,
                                   std::function<void()> request) {
    if (find(pid) == nullptr || pid == caller) {
        request();
        return;
    }
    postCall(pid, std::move(request));
}

bool SimScheduler::answers(std::uint32_t caller, std::uint32_t pid) const {
    const Thread* owner = find(pid);
    return pid == caller || owner == nullptr || takesSends(*owner);
}

bool SimScheduler::waitUntilAnswered(std::uint32_t caller, std::uint32_t pid) {
    if (answers(caller, pid))
        return true;
    ++frozenCalls_;
    return waitInCall(caller, kForever, [this, caller, pid] { return answers(caller, pid); });
}

} // namespace vm::sim
