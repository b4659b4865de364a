// Messages between the programs of the simulated desktop: sent (with a
// time-out or to a thread that does not answer), posted and registered.
#include "sim_desktop/sim_window_system.h"

#include "sim_desktop/cp932.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

std::intptr_t SimWindowSystem::SendMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
    desk_.logCall(pid_, "SendMessageA", window, msg, wParam, lParam);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || !desk_.scheduler().waitUntilAnswered(pid_, target->pid) ||
        !desk_.windows().exists(window))
        return 0;
    if (target == nullptr || target->pid == pid_)
        return desk_.windows().callProc(window, msg, wParam, lParam);
    return SendAcross(target->pid,
                      [&] { return desk_.windows().callProc(window, msg, wParam, lParam); });
}

std::intptr_t SimWindowSystem::SendAcross(std::uint32_t receiver,
                                          const std::function<std::intptr_t()>& handle) {
    // The caller waits for the answer and handles what is sent to it
    // meanwhile; the receiver handles the sends that came before this one.
    SimScheduler& scheduler = desk_.scheduler();
    scheduler.receiveSent(pid_);
    scheduler.receiveSent(receiver);
    const std::intptr_t answer = handle();
    scheduler.receiveSent(pid_);
    return answer;
}

std::intptr_t SimWindowSystem::SendMessageTimeoutA(Hwnd window, std::uint32_t msg,
                                                   std::uintptr_t wParam, std::intptr_t lParam,
                                                   std::uint32_t flags, std::uint32_t timeoutMs,
                                                   std::uintptr_t* result) {
    desk_.logCall(pid_, "SendMessageTimeoutA", window, msg, wParam, lParam, flags, timeoutMs);
    return SendWithTimeout(window, msg, wParam, lParam, flags, timeoutMs, result, false);
}

std::intptr_t SimWindowSystem::SendMessageTimeoutW(Hwnd window, std::uint32_t msg,
                                                   std::uintptr_t wParam, std::intptr_t lParam,
                                                   std::uint32_t flags, std::uint32_t timeoutMs,
                                                   std::uintptr_t* result) {
    desk_.logCall(pid_, "SendMessageTimeoutW", window, msg, wParam, lParam, flags, timeoutMs);
    return SendWithTimeout(window, msg, wParam, lParam, flags, timeoutMs, result, true);
}

std::intptr_t SimWindowSystem::SendWithTimeout(Hwnd window, std::uint32_t msg,
                                               std::uintptr_t wParam, std::intptr_t lParam,
                                               std::uint32_t flags, std::uint32_t timeoutMs,
                                               std::uintptr_t* result, bool wide) {
    if (result != nullptr)
        *result = 0;
    SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || (msg == wm::SETTEXT && SimDesktop::deniesAccess(pid_, *target)))
        return 0;
    SimScheduler& scheduler = desk_.scheduler();
    const std::uint32_t owner = target->pid;
    if (!scheduler.answers(pid_, owner)) {
        // A thread the system reports hung is given up at once; any other
        // is waited for until it reads its queue or the time-out passes.
        if ((flags & smto::ABORTIFHUNG) != 0 && scheduler.hung(owner))
            return 0;
        const bool answered = scheduler.waitInCall(pid_, timeoutMs, [&] {
            return scheduler.answers(pid_, owner) || !desk_.windows().exists(window);
        });
        target = desk_.windows().find(window);
        if (!answered || target == nullptr)
            return 0;
    }
    const auto handle = [&]() -> std::intptr_t {
        if (msg != wm::SETTEXT || target->proc)
            return desk_.windows().callProc(window, msg, wParam, lParam);
        // The default window procedure of another program's window.
        if (wide) {
            const auto* text = reinterpret_cast<const char16_t*>(lParam);
            target->titleW = text == nullptr ? u"" : text;
        } else {
            const auto* text = reinterpret_cast<const char*>(lParam);
            target->titleW = FromCp932(text == nullptr ? "" : text);
        }
        return 1;
    };
    const std::intptr_t answer = target->pid == pid_ ? handle() : SendAcross(target->pid, handle);
    if (result != nullptr)
        *result = static_cast<std::uintptr_t>(answer);
    return 1;
}

bool SimWindowSystem::PostMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
    desk_.logCall(pid_, "PostMessageA", window, msg, wParam, lParam);
    if (window == 0)
        return desk_.scheduler().post(pid_, 0, msg, wParam, lParam);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return false;
    return desk_.scheduler().post(target->pid, window, msg, wParam, lParam);
}

bool SimWindowSystem::SendMessageCallbackW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                           std::intptr_t lParam, SendAsyncProc callback) {
    desk_.logCall(pid_, "SendMessageCallbackW", window, msg, wParam, lParam);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || !callback)
        return false;
    if (target->pid == pid_) {
        callback(window, msg, desk_.windows().callProc(window, msg, wParam, lParam));
        return true;
    }
    // The answer comes back through the caller's queue.
    const std::uint32_t caller = pid_;
    desk_.scheduler().whenThreadReads(
        pid_, target->pid, [this, caller, window, msg, wParam, lParam, callback] {
            const std::intptr_t answer = desk_.windows().exists(window)
                                             ? desk_.windows().callProc(window, msg, wParam, lParam)
                                             : 0;
            desk_.scheduler().postCall(
                caller, [callback, window, msg, answer] { callback(window, msg, answer); });
        });
    return true;
}

bool SimWindowSystem::SendNotifyMessageW(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    desk_.logCall(pid_, "SendNotifyMessageW", window, msg, wParam, lParam);
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return false;
    if (target->pid == pid_) {
        desk_.windows().callProc(window, msg, wParam, lParam);
        return true;
    }
    return desk_.scheduler().sendNotify(target->pid, window, msg, wParam, lParam);
}

std::uint32_t SimWindowSystem::RegisterWindowMessageA(const char* name) {
    desk_.logCall(pid_, "RegisterWindowMessageA", name);
    if (name == nullptr || *name == '\0')
        return 0;
    return desk_.scheduler().registerMessage(name);
}

} // namespace vm::sim
