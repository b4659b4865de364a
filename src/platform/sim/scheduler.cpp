// The virtual clock: scene events, posted messages, timers and the message
// loops of the programs, run in time order on the one test thread.
#include <algorithm>
#include <limits>
#include <tuple>

#include "platform/sim/cp932.h"
#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

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

void SimDesktop::advance(std::uint32_t ms) {
    const std::uint64_t until = now_ + ms;
    while (runNext(until)) {
    }
    now_ = std::max(now_, until);
}

void SimDesktop::at(std::uint64_t timeMs, std::function<void()> event) {
    sceneEvents_.emplace(std::make_pair(timeMs, order_++), std::move(event));
}

std::size_t SimDesktop::timerCount(std::uint32_t pid) const {
    return static_cast<std::size_t>(
        std::count_if(timers_.begin(), timers_.end(),
                      [pid](const auto& timer) { return timer.second.pid == pid; }));
}

bool SimDesktop::post(std::uint32_t pid, Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                      std::intptr_t lParam) {
    Process* process = findProcess(pid);
    if (process == nullptr || process->loopEnded)
        return process != nullptr;
    posted_.push_back({pid, window, msg, wParam, lParam, order_++});
    ++process->queued;
    return true;
}

bool SimDesktop::postCall(std::uint32_t pid, std::function<void()> call) {
    if (!post(pid, 0, 0, 0, 0) || posted_.empty() || posted_.back().pid != pid ||
        posted_.back().order != order_ - 1)
        return false;
    posted_.back().call = std::move(call);
    return true;
}

void SimDesktop::postQuit(std::uint32_t pid, int exitCode) {
    Process& process = *findProcess(pid);
    if (!process.quitPosted && !process.loopEnded)
        quitting_.push_back(pid);
    process.quitPosted = true;
    process.exitCode = exitCode;
}

bool SimDesktop::setTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) {
    const std::uint32_t interval = std::max(elapseMs, kMinimumTimerMs);
    timers_[{window, id}] = Timer{windows_.at(window)->pid, interval, now_ + interval, order_++};
    return true;
}

bool SimDesktop::runNext(std::uint64_t until) {
    endFinishedLoops();
    // At one moment: what other programs do first, then posted messages,
    // then timers, which Windows generates only when the queue is empty.
    if (!sceneEvents_.empty() && sceneEvents_.begin()->first.first <= now_) {
        runFirstSceneEvent();
        return true;
    }
    if (deliverOldestMessage())
        return true;
    const std::uint64_t eventAt = sceneEvents_.empty() ? kNever : sceneEvents_.begin()->first.first;
    auto timer = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (findProcess(it->second.pid)->quitPosted)
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
    callProc(window, wm::TIMER, id, 0);
    return true;
}

void SimDesktop::runFirstSceneEvent() {
    const auto first = sceneEvents_.begin();
    const std::function<void()> event = std::move(first->second);
    sceneEvents_.erase(first);
    event();
}

bool SimDesktop::deliverOldestMessage() {
    if (posted_.empty())
        return false;
    const Posted message = posted_.front();
    posted_.pop_front();
    deliver(message);
    return true;
}

void SimDesktop::deliver(const Posted& message) {
    --findProcess(message.pid)->queued;
    if (message.call)
        message.call();
    else
        callProc(message.window, message.msg, message.wParam, message.lParam);
}

void SimDesktop::endFinishedLoops() {
    // WM_QUIT comes after the messages posted before it. Only the processes
    // with a quit pending are looked at: a long run ends thousands.
    std::erase_if(quitting_, [this](std::uint32_t pid) {
        Process& process = *findProcess(pid);
        if (process.queued == 0)
            process.loopEnded = true;
        return process.loopEnded;
    });
}

int SimDesktop::runMessageLoop(std::uint32_t pid) {
    Process& process = *findProcess(pid);
    const std::uint64_t giveUp = now_ + kLoopGiveUpMs;
    while (true) {
        endFinishedLoops();
        if (process.loopEnded)
            return process.exitCode;
        if (!hasWork(process) && sceneEvents_.empty())
            return -1;
        if (!runNext(giveUp)) {
            now_ = giveUp;
            return -1;
        }
    }
}

void SimDesktop::processMessages(std::uint32_t pid) {
    const std::uint64_t postedBefore = order_;
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

void SimDesktop::sleep(std::uint32_t ms) {
    // A sleep shorter than the system clock's tick lasts the whole tick.
    const std::uint64_t until = now_ + (ms == 0 ? 0 : std::max(ms, kClockTickMs));
    // The other programs' threads run on meanwhile.
    while (true) {
        if (!sceneEvents_.empty() && sceneEvents_.begin()->first.first <= now_) {
            runFirstSceneEvent();
        } else if (!deliverToRunningThread()) {
            if (sceneEvents_.empty() || sceneEvents_.begin()->first.first > until)
                break;
            now_ = std::max(now_, sceneEvents_.begin()->first.first);
        }
    }
    now_ = std::max(now_, until);
}

bool SimDesktop::deliverToRunningThread() {
    const auto it = std::find_if(posted_.begin(), posted_.end(), [this](const Posted& message) {
        const Process* process = findProcess(message.pid);
        return process != nullptr && !process->hung && process->sleeping == 0 &&
               now_ >= process->busyUntil;
    });
    if (it == posted_.end())
        return false;
    const Posted message = *it;
    posted_.erase(it);
    deliver(message);
    return true;
}

bool SimDesktop::hasWork(const Process& process) const {
    if (process.quitPosted || process.queued != 0)
        return true;
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const auto& timer) { return timer.second.pid == process.pid; });
}

std::uint32_t SimDesktop::registerMessage(const std::string& name) {
    const auto id = static_cast<std::uint32_t>(0xC000 + registeredMessages_.size());
    return registeredMessages_.try_emplace(FoldAsciiCase(name), id).first->second;
}

} // namespace vm::sim
