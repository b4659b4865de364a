// Messages sent to another thread without waiting for its answer, as the
// shell sends a notification icon's callback (SendNotifyMessage). To the
// receiving thread they are sends: they reach it ahead of its posted
// messages, whenever it reads its queue, and also while it waits inside a
// send of its own to another thread, as every sent message does.
#include <algorithm>

#include "sim_desktop/scheduler.h"

namespace vm::sim {

bool SimScheduler::sendNotify(std::uint32_t pid, Hwnd window, std::uint32_t msg,
                              std::uintptr_t wParam, std::intptr_t lParam) {
    const Thread* thread = find(pid);
    if (thread == nullptr || thread->loopEnded)
        return false;
    sent_.push_back({pid, window, msg, wParam, lParam});
    return true;
}

void SimScheduler::receiveSent(std::uint32_t pid) {
    // A handler may send or wait again, which receives the later ones: each
    // message is taken before it is handled.
    while (true) {
        const auto it = std::find_if(sent_.begin(), sent_.end(),
                                     [pid](const Sent& message) { return message.pid == pid; });
        if (it == sent_.end())
            return;
        const Sent message = *it;
        sent_.erase(it);
        dispatch_(message.window, message.msg, message.wParam, message.lParam);
    }
}

std::size_t SimScheduler::sentWaiting(std::uint32_t pid) const {
    return static_cast<std::size_t>(std::count_if(
        sent_.begin(), sent_.end(), [pid](const Sent& message) { return message.pid == pid; }));
}

bool SimScheduler::deliverSentToReadingThread() {
    const auto it = std::find_if(sent_.begin(), sent_.end(), [this](const Sent& message) {
        const Thread* thread = find(message.pid);
        return thread != nullptr && !thread->loopEnded && takesSends(*thread);
    });
    if (it == sent_.end())
        return false;
    const Sent message = *it;
    sent_.erase(it);
    dispatch_(message.window, message.msg, message.wParam, message.lParam);
    return true;
}

} // namespace vm::sim
