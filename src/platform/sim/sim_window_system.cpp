#include "platform/sim/sim_window_system.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/sim/cp932.h"
#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

namespace vm::sim {

namespace {
constexpr Hwnd kHwndBottom{1};
constexpr Hwnd kHwndTopmost{static_cast<std::uintptr_t>(-1)};
constexpr Hwnd kHwndNoTopmost = static_cast<Hwnd>(-2);
} // namespace

bool SimWindowSystem::EnumWindows(const std::function<bool(Hwnd)>& proc) {
    desk_.logCall(pid_, "EnumWindows");
    return desk_.enumWindows(proc);
}

Hwnd SimWindowSystem::GetForegroundWindow() {
    desk_.logCall(pid_, "GetForegroundWindow");
    return desk_.foreground_;
}

bool SimWindowSystem::IsWindow(Hwnd window) {
    desk_.logCall(pid_, "IsWindow", window);
    return desk_.exists(window);
}

bool SimWindowSystem::IsWindowVisible(Hwnd window) {
    desk_.logCall(pid_, "IsWindowVisible", window);
    // A child is visible only while its parents are.
    for (const SimWindow* target = desk_.find(window); target != nullptr;
         target = target->parent == 0 ? nullptr : desk_.find(target->parent)) {
        if (!target->visible())
            return false;
        if (target->parent == 0)
            return true;
    }
    return false;
}

bool SimWindowSystem::IsWindowEnabled(Hwnd window) {
    desk_.logCall(pid_, "IsWindowEnabled", window);
    const SimWindow* target = desk_.find(window);
    return target != nullptr && target->enabled();
}

bool SimWindowSystem::IsIconic(Hwnd window) {
    desk_.logCall(pid_, "IsIconic", window);
    const SimWindow* target = desk_.find(window);
    return target != nullptr && target->minimized();
}

bool SimWindowSystem::IsZoomed(Hwnd window) {
    desk_.logCall(pid_, "IsZoomed", window);
    const SimWindow* target = desk_.find(window);
    return target != nullptr && target->maximized();
}

int SimWindowSystem::GetWindowTextA(Hwnd window, char* buffer, int maxCount) {
    desk_.logCall(pid_, "GetWindowTextA", window, maxCount);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return CopyAnsi({}, buffer, maxCount);
    return CopyAnsi(target->titleA(), buffer, maxCount);
}

int SimWindowSystem::GetWindowTextLengthA(Hwnd window) {
    desk_.logCall(pid_, "GetWindowTextLengthA", window);
    const SimWindow* target = desk_.find(window);
    return target == nullptr ? 0 : static_cast<int>(target->titleA().size());
}

int SimWindowSystem::GetWindowTextW(Hwnd window, char16_t* buffer, int maxCount) {
    desk_.logCall(pid_, "GetWindowTextW", window, maxCount);
    if (buffer == nullptr || maxCount <= 0)
        return 0;
    const SimWindow* target = desk_.find(window);
    std::u16string_view text;
    if (target != nullptr)
        text = target->titleW;
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(maxCount) - 1);
    std::copy_n(text.data(), count, buffer);
    buffer[count] = u'\0';
    return static_cast<int>(count);
}

int SimWindowSystem::GetWindowTextLengthW(Hwnd window) {
    desk_.logCall(pid_, "GetWindowTextLengthW", window);
    const SimWindow* target = desk_.find(window);
    return target == nullptr ? 0 : static_cast<int>(target->titleW.size());
}

int SimWindowSystem::GetClassNameA(Hwnd window, char* buffer, int maxCount) {
    desk_.logCall(pid_, "GetClassNameA", window, maxCount);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return CopyAnsi({}, buffer, maxCount);
    return CopyAnsi(target->className, buffer, maxCount);
}

bool SimWindowSystem::GetWindowRect(Hwnd window, Rect& rect) {
    desk_.logCall(pid_, "GetWindowRect", window);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return false;
    rect = desk_.screenRect(*target);
    return true;
}

std::int32_t SimWindowSystem::GetWindowLongA(Hwnd window, int index) {
    desk_.logCall(pid_, "GetWindowLongA", window, index);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return 0;
    if (index == gwl::STYLE)
        return static_cast<std::int32_t>(target->style);
    if (index == gwl::EXSTYLE)
        return static_cast<std::int32_t>(target->exStyle);
    if (index == gwl::ID)
        return target->controlId;
    return 0;
}

std::uint32_t SimWindowSystem::GetWindowThreadProcessId(Hwnd window, std::uint32_t* processId) {
    desk_.logCall(pid_, "GetWindowThreadProcessId", window);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return 0;
    if (processId != nullptr)
        *processId = target->pid;
    return desk_.threadOf(target->pid);
}

Hwnd SimWindowSystem::FindWindowA(const char* className, const char* windowName) {
    desk_.logCall(pid_, "FindWindowA", className, windowName);
    for (auto it = desk_.zOrder_.rbegin(); it != desk_.zOrder_.rend(); ++it) {
        const SimWindow& candidate = *desk_.windows_.at(*it);
        if (className != nullptr && !EqualsAsciiNoCase(candidate.className, className))
            continue;
        if (windowName != nullptr && candidate.titleA() != windowName)
            continue;
        return *it;
    }
    return 0;
}

Hwnd SimWindowSystem::FindWindowW(const char16_t* className, const char16_t* windowName) {
    desk_.logCall(pid_, "FindWindowW", className, windowName);
    const std::string classA = className == nullptr ? "" : ToCp932(className);
    for (auto it = desk_.zOrder_.rbegin(); it != desk_.zOrder_.rend(); ++it) {
        const SimWindow& candidate = *desk_.windows_.at(*it);
        if (className != nullptr && !EqualsAsciiNoCase(candidate.className, classA))
            continue;
        if (windowName != nullptr && candidate.titleW != windowName)
            continue;
        return *it;
    }
    return 0;
}

Hwnd SimWindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                    const char* windowName) {
    desk_.logCall(pid_, "FindWindowExA", parent, childAfter, className, windowName);
    std::vector<Hwnd> candidates;
    if (parent == 0 || parent == kDesktopWindow) {
        candidates = desk_.zOrder();
    } else {
        const SimWindow* above = desk_.find(parent);
        if (above == nullptr)
            return 0;
        candidates = above->children;
    }
    auto it = candidates.begin();
    if (childAfter != 0) {
        it = std::find(candidates.begin(), candidates.end(), childAfter);
        // A childAfter that is not one of them finds nothing, as on Windows.
        if (it == candidates.end())
            return 0;
        ++it;
    }
    for (; it != candidates.end(); ++it) {
        const SimWindow& candidate = desk_.window(*it);
        if (className != nullptr && !EqualsAsciiNoCase(candidate.className, className))
            continue;
        if (windowName != nullptr && candidate.titleA() != windowName)
            continue;
        return *it;
    }
    return 0;
}

Hwnd SimWindowSystem::GetParent(Hwnd window) {
    desk_.logCall(pid_, "GetParent", window);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return 0;
    if (target->parent != 0)
        return target->parent;
    return (target->style & ws::POPUP) != 0 ? target->owner : 0;
}

Hwnd SimWindowSystem::GetDesktopWindow() {
    desk_.logCall(pid_, "GetDesktopWindow");
    return kDesktopWindow;
}

int SimWindowSystem::GetSystemMetrics(int index) {
    desk_.logCall(pid_, "GetSystemMetrics", index);
    return desk_.systemMetric(index);
}

std::uint32_t SimWindowSystem::GetDpiForWindow(Hwnd window) {
    desk_.logCall(pid_, "GetDpiForWindow", window);
    const SimWindow* target = desk_.find(window);
    return target != nullptr ? desk_.dpiFor(*target) : 0;
}

bool SimWindowSystem::GetCursorPos(Point& point) {
    desk_.logCall(pid_, "GetCursorPos");
    if (desk_.cursorFails_)
        return false;
    point = desk_.cursor_;
    return true;
}

bool SimWindowSystem::SetWindowTextA(Hwnd window, const char* text) {
    desk_.logCall(pid_, "SetWindowTextA", window, text);
    SimWindow* target = desk_.find(window);
    if (target == nullptr || SimDesktop::deniesAccess(pid_, *target) ||
        desk_.waitsForever(pid_, *target))
        return false;
    target->titleW = FromCp932(text == nullptr ? "" : text);
    return true;
}

bool SimWindowSystem::SetWindowTextW(Hwnd window, const char16_t* text) {
    desk_.logCall(pid_, "SetWindowTextW", window, text);
    SimWindow* target = desk_.find(window);
    if (target == nullptr || SimDesktop::deniesAccess(pid_, *target) ||
        desk_.waitsForever(pid_, *target))
        return false;
    target->titleW = text == nullptr ? u"" : text;
    return true;
}

std::int32_t SimWindowSystem::SetWindowLongA(Hwnd window, int index, std::int32_t value) {
    desk_.logCall(pid_, "SetWindowLongA", window, index, value);
    SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return 0;
    const auto bits = static_cast<std::uint32_t>(value);
    if (index == gwl::STYLE) {
        // Minimized and maximized are states of the window manager, not
        // bits a program can flip.
        const std::uint32_t old = target->style;
        const std::uint32_t managed = ws::MINIMIZE | ws::MAXIMIZE;
        target->style = (bits & ~managed) | (old & managed);
        return static_cast<std::int32_t>(old);
    }
    if (index == gwl::EXSTYLE) {
        const std::uint32_t old = target->exStyle;
        target->exStyle = target->keepsLayered ? (bits | ws_ex::LAYERED) : bits;
        if (!target->layered()) {
            // A window that stops being layered forgets its attributes.
            target->alpha = 255;
            target->colorKey = 0;
            target->layeredFlags = 0;
        }
        return static_cast<std::int32_t>(old);
    }
    return 0;
}

bool SimWindowSystem::MoveWindow(Hwnd window, int x, int y, int width, int height, bool repaint) {
    desk_.logCall(pid_, "MoveWindow", window, x, y, width, height, repaint);
    SimWindow* target = desk_.find(window);
    if (target == nullptr || window == kDesktopWindow || SimDesktop::deniesAccess(pid_, *target) ||
        desk_.waitsForever(pid_, *target))
        return false;
    desk_.move(*target, {x, y, x + width, y + height});
    return true;
}

bool SimWindowSystem::SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                                   std::uint32_t flags) {
    desk_.logCall(pid_, "SetWindowPos", window, insertAfter, x, y, cx, cy, flags);
    SimWindow* target = desk_.find(window);
    if (target == nullptr || window == kDesktopWindow || SimDesktop::deniesAccess(pid_, *target))
        return false;
    // Posted to a thread that does not answer, the request waits in its queue.
    if ((flags & swp::ASYNCWINDOWPOS) != 0 && !desk_.answers(pid_, *target)) {
        desk_.queueAsync(*target, [this, window, insertAfter, x, y, cx, cy, flags] {
            if (desk_.exists(window))
                SetWindowPos(window, insertAfter, x, y, cx, cy, flags);
        });
        return true;
    }
    if ((flags & swp::ASYNCWINDOWPOS) == 0 && desk_.waitsForever(pid_, *target))
        return false;
    const bool zOrderChange = (flags & swp::NOZORDER) == 0;
    if (zOrderChange && insertAfter != hwnd_pos::TOP && insertAfter != kHwndBottom &&
        insertAfter != kHwndTopmost && insertAfter != kHwndNoTopmost && !desk_.exists(insertAfter))
        return false;
    if ((flags & (swp::NOMOVE | swp::NOSIZE)) != (swp::NOMOVE | swp::NOSIZE)) {
        Rect rect = target->reportedRect();
        if ((flags & swp::NOMOVE) == 0)
            rect = {x, y, x + rect.Width(), y + rect.Height()};
        if ((flags & swp::NOSIZE) == 0)
            rect = {rect.left, rect.top, rect.left + cx, rect.top + cy};
        desk_.move(*target, rect);
    }
    if (!zOrderChange)
        return true;
    if (insertAfter == kHwndTopmost)
        target->exStyle |= ws_ex::TOPMOST;
    if (insertAfter == kHwndNoTopmost)
        target->exStyle &= ~ws_ex::TOPMOST;
    if (insertAfter == kHwndBottom)
        desk_.lower(window);
    else if (insertAfter == hwnd_pos::TOP || insertAfter == kHwndTopmost ||
             insertAfter == kHwndNoTopmost)
        desk_.raise(window);
    else
        desk_.placeBelow(window, insertAfter);
    return true;
}

bool SimWindowSystem::ShowWindow(Hwnd window, int command) {
    desk_.logCall(pid_, "ShowWindow", window, command);
    SimWindow* target = desk_.find(window);
    if (target == nullptr || window == kDesktopWindow || SimDesktop::deniesAccess(pid_, *target) ||
        desk_.waitsForever(pid_, *target))
        return false;
    return desk_.show(*target, command);
}

bool SimWindowSystem::ShowWindowAsync(Hwnd window, int command) {
    desk_.logCall(pid_, "ShowWindowAsync", window, command);
    SimWindow* target = desk_.find(window);
    if (target == nullptr || window == kDesktopWindow || SimDesktop::deniesAccess(pid_, *target))
        return false;
    // Posted to a thread that does not answer, the request waits in its queue.
    if (!desk_.answers(pid_, *target)) {
        desk_.queueAsync(*target, [this, window, command] {
            if (desk_.exists(window))
                ShowWindowAsync(window, command);
        });
        return true;
    }
    desk_.show(*target, command);
    return true;
}

bool SimWindowSystem::BringWindowToTop(Hwnd window) {
    desk_.logCall(pid_, "BringWindowToTop", window);
    if (!desk_.exists(window))
        return false;
    desk_.raise(window);
    return true;
}

bool SimWindowSystem::SetForegroundWindow(Hwnd window) {
    desk_.logCall(pid_, "SetForegroundWindow", window);
    if (!desk_.exists(window))
        return false;
    if (window != desk_.foreground_) {
        if (!desk_.mayTakeForeground(pid_, window))
            return false;
        desk_.foreground_ = window;
    }
    desk_.raise(window);
    return true;
}

bool SimWindowSystem::AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                        bool attach) {
    desk_.logCall(pid_, "AttachThreadInput", attachThread, toThread, attach);
    const auto known = [this](std::uint32_t tid) {
        return std::any_of(desk_.processOrder_.begin(), desk_.processOrder_.end(),
                           [&](std::uint32_t pid) { return desk_.findProcess(pid)->tid == tid; });
    };
    if (desk_.attachFails_ || attachThread == toThread || !known(attachThread) || !known(toThread))
        return false;
    const auto pair =
        std::make_pair(std::min(attachThread, toThread), std::max(attachThread, toThread));
    if (attach) {
        desk_.attachments_.insert(pair);
        return true;
    }
    return desk_.attachments_.erase(pair) != 0;
}

bool SimWindowSystem::GetNonClientMetricsA(NonClientMetrics& metrics) {
    desk_.logCall(pid_, "SystemParametersInfoA", "SPI_GETNONCLIENTMETRICS");
    metrics.lfMessageFont = desk_.messageFont_;
    return true;
}

bool SimWindowSystem::SystemParametersInfoA(std::uint32_t action, std::uint32_t uiParam,
                                            void* pvParam, std::uint32_t winIni) {
    const auto value = reinterpret_cast<std::uintptr_t>(pvParam);
    desk_.logCall(pid_, "SystemParametersInfoA", action, uiParam, value, winIni);
    if (action == spi::GETFOREGROUNDLOCKTIMEOUT) {
        if (pvParam == nullptr)
            return false;
        std::memcpy(pvParam, &desk_.lockTimeout_, sizeof desk_.lockTimeout_);
        return true;
    }
    if (action == spi::SETFOREGROUNDLOCKTIMEOUT) {
        desk_.lockTimeout_ = static_cast<std::uint32_t>(value);
        return true;
    }
    return false;
}

bool SimWindowSystem::SetLayeredWindowAttributes(FarProc entry, Hwnd window, std::uint32_t colorKey,
                                                 std::uint8_t alpha, std::uint32_t flags) {
    desk_.logCall(pid_, "SetLayeredWindowAttributes", window, colorKey, alpha, flags);
    const auto user32 = desk_.libraries_.find(FoldAsciiCase("user32.dll"));
    if (user32 == desk_.libraries_.end() ||
        entry != desk_.exportAddress(user32->second, "SetLayeredWindowAttributes") || entry == 0)
        return false;
    // Only a layered window takes the attributes.
    SimWindow* target = desk_.find(window);
    if (target == nullptr || !target->layered())
        return false;
    target->colorKey = colorKey;
    target->alpha = alpha;
    target->layeredFlags = flags;
    return true;
}

bool SimWindowSystem::IsUser32Export(FarProc entry, const char* name) const {
    const auto user32 = desk_.libraries_.find(FoldAsciiCase("user32.dll"));
    return entry != 0 && user32 != desk_.libraries_.end() &&
           entry == desk_.exportAddress(user32->second, name);
}

HWinEventHook SimWindowSystem::SetWinEventHook(FarProc entry, std::uint32_t eventMin,
                                               std::uint32_t eventMax, WinEventProc proc,
                                               std::uint32_t processId, std::uint32_t threadId,
                                               std::uint32_t flags) {
    desk_.logCall(pid_, "SetWinEventHook", eventMin, eventMax, processId, threadId, flags);
    // Only hooks out of context, for every thread, are modelled.
    if (!IsUser32Export(entry, "SetWinEventHook") || threadId != 0 ||
        (flags & ~winevent::SKIPOWNPROCESS) != winevent::OUTOFCONTEXT)
        return 0;
    return desk_.setWinEventHook(pid_,
                                 {pid_, eventMin, eventMax, std::move(proc), processId, flags});
}

bool SimWindowSystem::UnhookWinEvent(FarProc entry, HWinEventHook hook) {
    desk_.logCall(pid_, "UnhookWinEvent", hook);
    return IsUser32Export(entry, "UnhookWinEvent") && desk_.unhookWinEvent(pid_, hook);
}

HMonitor SimWindowSystem::MonitorFromWindow(Hwnd window, std::uint32_t flags) {
    desk_.logCall(pid_, "MonitorFromWindow", window, flags);
    return desk_.monitorFromWindow(window, flags);
}

bool SimWindowSystem::GetMonitorInfoA(HMonitor monitor, MonitorInfo& info) {
    desk_.logCall(pid_, "GetMonitorInfoA", monitor, info.cbSize);
    // MONITORINFO or MONITORINFOEX, nothing else.
    if (info.cbSize != 40 && info.cbSize != 72)
        return false;
    const SimDesktop::Monitor* found = desk_.findMonitor(monitor);
    if (found == nullptr)
        return false;
    info.rcMonitor = found->monitor;
    info.rcWork = found->work;
    info.dwFlags = found == &desk_.monitors_.front() ? 1 : 0;
    return true;
}

bool SimWindowSystem::EnumDisplayMonitors(const std::function<bool(HMonitor)>& proc) {
    desk_.logCall(pid_, "EnumDisplayMonitors");
    std::vector<HMonitor> handles;
    for (const SimDesktop::Monitor& monitor : desk_.monitors_)
        handles.push_back(monitor.handle);
    for (const HMonitor handle : handles) {
        if (!proc(handle))
            return false;
    }
    return true;
}

std::intptr_t SimWindowSystem::SendMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
    desk_.logCall(pid_, "SendMessageA", window, msg, wParam, lParam);
    const SimWindow* target = desk_.find(window);
    if (target != nullptr && desk_.waitsForever(pid_, *target))
        return 0;
    return desk_.callProc(window, msg, wParam, lParam);
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
    SimWindow* target = desk_.find(window);
    if (target == nullptr || (msg == wm::SETTEXT && SimDesktop::deniesAccess(pid_, *target)))
        return 0;
    if (!desk_.answers(pid_, *target)) {
        // A window the system reports hung gives up at once; a thread that is
        // only busy is waited for until the time-out.
        const SimDesktop::Process* owner = desk_.findProcess(target->pid);
        if ((flags & smto::ABORTIFHUNG) == 0 || owner == nullptr || !owner->hung)
            desk_.sleep(timeoutMs);
        return 0;
    }
    std::intptr_t answer = 0;
    if (msg == wm::SETTEXT && !target->proc) {
        // The default window procedure of another program's window.
        if (wide) {
            const auto* text = reinterpret_cast<const char16_t*>(lParam);
            target->titleW = text == nullptr ? u"" : text;
        } else {
            const auto* text = reinterpret_cast<const char*>(lParam);
            target->titleW = FromCp932(text == nullptr ? "" : text);
        }
        answer = 1;
    } else {
        answer = desk_.callProc(window, msg, wParam, lParam);
    }
    if (result != nullptr)
        *result = static_cast<std::uintptr_t>(answer);
    return 1;
}

bool SimWindowSystem::PostMessageA(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
    desk_.logCall(pid_, "PostMessageA", window, msg, wParam, lParam);
    if (window == 0)
        return desk_.post(pid_, 0, msg, wParam, lParam);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return false;
    return desk_.post(target->pid, window, msg, wParam, lParam);
}

std::uint32_t SimWindowSystem::RegisterWindowMessageA(const char* name) {
    desk_.logCall(pid_, "RegisterWindowMessageA", name);
    if (name == nullptr || *name == '\0')
        return 0;
    return desk_.registerMessage(name);
}

int SimWindowSystem::MessageBoxA(Hwnd owner, const char* text, const char* caption,
                                 std::uint32_t type) {
    desk_.logCall(pid_, "MessageBoxA", owner, text, caption, type);
    if (owner != 0 && !desk_.exists(owner))
        return 0;
    return desk_.answerMessageBox(
        {pid_, owner, text == nullptr ? "" : text, caption == nullptr ? "" : caption, type});
}

// The simulated desktop shows texts as a Japanese system does; the record
// holds them in code page 932, as the "A" call's.
int SimWindowSystem::MessageBoxW(Hwnd owner, const char16_t* text, const char16_t* caption,
                                 std::uint32_t type) {
    const std::string textA = ToCp932(text == nullptr ? u"" : text);
    const std::string captionA = ToCp932(caption == nullptr ? u"" : caption);
    desk_.logCall(pid_, "MessageBoxW", owner, textA, captionA, type);
    if (owner != 0 && !desk_.exists(owner))
        return 0;
    return desk_.answerMessageBox({pid_, owner, textA, captionA, type});
}

Hwnd SimWindowSystem::CreateWindowExA(std::uint32_t exStyle, const char* className,
                                      const char* windowName, std::uint32_t style, int x, int y,
                                      int width, int height, Hwnd owner, WndProc proc) {
    desk_.logCall(pid_, "CreateWindowExA", exStyle, className, windowName, style, x, y, width,
                  height, owner);
    if (className == nullptr || !desk_.findProcess(pid_)->alive)
        return 0;
    auto window = std::make_unique<SimWindow>();
    window->className = className;
    window->titleW = FromCp932(windowName == nullptr ? "" : windowName);
    window->rect = {x, y, x + width, y + height};
    window->normalRect = window->rect;
    window->style = style & ~(ws::MINIMIZE | ws::MAXIMIZE);
    window->exStyle = exStyle;
    window->pid = pid_;
    // For a child window the last handle is its parent, as in Win32.
    if ((style & ws::CHILD) != 0) {
        if (owner == 0 || !desk_.exists(owner))
            return 0;
        window->parent = owner;
    } else {
        window->owner = owner;
    }
    window->proc = std::move(proc);
    SimWindow& added = desk_.insertWindow(std::move(window));
    added.dpi = desk_.dpiFor(added);
    return added.handle;
}

bool SimWindowSystem::DestroyWindow(Hwnd window) {
    desk_.logCall(pid_, "DestroyWindow", window);
    // Only the thread that made a window may destroy it.
    const SimWindow* target = desk_.find(window);
    if (target == nullptr || target->pid != pid_)
        return false;
    desk_.destroyWithOwned(window, true);
    return true;
}

bool SimWindowSystem::SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) {
    desk_.logCall(pid_, "SetTimer", window, id, elapseMs);
    const SimWindow* target = desk_.find(window);
    if (target == nullptr || target->pid != pid_)
        return false;
    return desk_.setTimer(window, id, elapseMs);
}

bool SimWindowSystem::KillTimer(Hwnd window, std::uintptr_t id) {
    desk_.logCall(pid_, "KillTimer", window, id);
    const auto timer = desk_.timers_.find({window, id});
    if (timer == desk_.timers_.end() || timer->second.pid != pid_)
        return false;
    desk_.timers_.erase(timer);
    return true;
}

void SimWindowSystem::PostQuitMessage(int exitCode) {
    desk_.logCall(pid_, "PostQuitMessage", exitCode);
    desk_.postQuit(pid_, exitCode);
}

int SimWindowSystem::RunMessageLoop() {
    desk_.logCall(pid_, "RunMessageLoop");
    return desk_.runMessageLoop(pid_);
}

void SimWindowSystem::ProcessMessages() {
    desk_.logCall(pid_, "ProcessMessages");
    desk_.processMessages(pid_);
}

Hwnd SimWindowSystem::CreateWindowExA(std::uint32_t exStyle, const char* className,
                                      const char* windowName, std::uint32_t style, int x, int y,
                                      int width, int height, Hwnd parent, int controlId) {
    desk_.logCall(pid_, "CreateWindowExA", exStyle, className, windowName, style, x, y, width,
                  height, parent, controlId);
    return desk_.createChild(pid_, exStyle, className, windowName, style,
                             {x, y, x + width, y + height}, parent, controlId);
}

bool SimWindowSystem::EnableWindow(Hwnd window, bool enable) {
    desk_.logCall(pid_, "EnableWindow", window, enable);
    SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return false;
    const bool wasDisabled = !target->enabled();
    target->setEnabled(enable);
    // A disabled window loses the keyboard focus.
    if (!enable && desk_.focus_ != 0) {
        for (SimWindow* w = desk_.find(desk_.focus_); w != nullptr;
             w = w->parent == 0 ? nullptr : desk_.find(w->parent)) {
            if (w == target) {
                desk_.setFocus(0);
                break;
            }
        }
    }
    return wasDisabled;
}

Hwnd SimWindowSystem::SetFocus(Hwnd window) {
    desk_.logCall(pid_, "SetFocus", window);
    const Hwnd old = desk_.focus_;
    if (window != 0) {
        const SimWindow* target = desk_.find(window);
        // Only a window of the caller's thread that is not disabled.
        if (target == nullptr || target->pid != pid_ || !target->enabled())
            return 0;
    }
    desk_.setFocus(window);
    return old;
}

Hwnd SimWindowSystem::GetFocus() {
    desk_.logCall(pid_, "GetFocus");
    const SimWindow* focused = desk_.find(desk_.focus_);
    return focused != nullptr && focused->pid == pid_ ? focused->handle : 0;
}

Hwnd SimWindowSystem::GetDlgItem(Hwnd dialog, int controlId) {
    desk_.logCall(pid_, "GetDlgItem", dialog, controlId);
    const SimWindow* parent = desk_.find(dialog);
    if (parent == nullptr)
        return 0;
    for (const Hwnd child : parent->children) {
        if (desk_.window(child).controlId == controlId)
            return child;
    }
    return 0;
}

int SimWindowSystem::GetDlgCtrlID(Hwnd window) {
    desk_.logCall(pid_, "GetDlgCtrlID", window);
    const SimWindow* target = desk_.find(window);
    return target == nullptr || target->parent == 0 ? 0 : target->controlId;
}

bool SimWindowSystem::InitCommonControlsEx(std::uint32_t classes) {
    desk_.logCall(pid_, "InitCommonControlsEx", classes);
    desk_.commonControls_ |= classes;
    return true;
}

bool SimWindowSystem::IsAppThemed() {
    desk_.logCall(pid_, "IsAppThemed");
    return desk_.themed_;
}

bool SimWindowSystem::RedrawWindow(Hwnd window, std::uint32_t flags) {
    desk_.logCall(pid_, "RedrawWindow", window, flags);
    if (!desk_.exists(window))
        return false;
    ++desk_.redraws_[window];
    return true;
}

HFont SimWindowSystem::CreateFontIndirectA(const LogFontA& font) {
    desk_.logCall(pid_, "CreateFontIndirectA", font.lfHeight, font.lfWeight);
    const HFont handle{desk_.nextGdiObject_};
    desk_.nextGdiObject_ += 4;
    desk_.fonts_.emplace(handle, font);
    return handle;
}

bool SimWindowSystem::DeleteObject(HGdiObj object) {
    desk_.logCall(pid_, "DeleteObject", object);
    return desk_.fonts_.erase(object) != 0;
}

ColorRef SimWindowSystem::GetSysColor(int index) {
    desk_.logCall(pid_, "GetSysColor", index);
    // The classic scheme's colours.
    switch (index) {
        case color::ACTIVECAPTION:
            return 0x6A240A;
        case color::INACTIVECAPTION:
            return 0x808080;
        case color::CAPTIONTEXT:
            return 0xFFFFFF;
        case color::INACTIVECAPTIONTEXT:
            return 0xC8D0D4;
        case color::BTNFACE:
            return 0xC8D0D4;
        default:
            return 0;
    }
}

HBrush SimWindowSystem::GetSysColorBrush(int index) {
    desk_.logCall(pid_, "GetSysColorBrush", index);
    // The system's own brushes, one per colour index.
    return index >= 0 && index < 31 ? HBrush{0x1000 + index} : HBrush{};
}

ColorRef SimWindowSystem::SetTextColor(Hdc dc, ColorRef color) {
    desk_.logCall(pid_, "SetTextColor", dc, color);
    const ColorRef old = desk_.textColorOf(dc);
    desk_.dcText_[dc] = color;
    return old;
}

ColorRef SimWindowSystem::SetBkColor(Hdc dc, ColorRef color) {
    desk_.logCall(pid_, "SetBkColor", dc, color);
    const ColorRef old = desk_.bkColorOf(dc);
    desk_.dcBk_[dc] = color;
    return old;
}

Hdc SimWindowSystem::GetDC(Hwnd window) {
    desk_.logCall(pid_, "GetDC", window);
    if (window != 0 && !desk_.exists(window))
        return 0;
    const Hdc dc{desk_.nextGdiObject_};
    desk_.nextGdiObject_ += 4;
    desk_.dcFont_[dc] = SimDesktop::kSystemFont;
    return dc;
}

int SimWindowSystem::ReleaseDC(Hwnd window, Hdc dc) {
    desk_.logCall(pid_, "ReleaseDC", window, dc);
    return desk_.dcFont_.erase(dc) != 0 ? 1 : 0;
}

HGdiObj SimWindowSystem::SelectObject(Hdc dc, HGdiObj object) {
    desk_.logCall(pid_, "SelectObject", dc, object);
    const auto selected = desk_.dcFont_.find(dc);
    if (selected == desk_.dcFont_.end() ||
        (object != SimDesktop::kSystemFont && desk_.fonts_.count(object) == 0))
        return 0;
    return std::exchange(selected->second, object);
}

// Every half-width character is half the font's height wide, a double-byte
// one as wide as the font is high; the system font is 16 pixels high.
bool SimWindowSystem::GetTextExtentPoint32A(Hdc dc, const char* text, int length, Size& size) {
    desk_.logCall(pid_, "GetTextExtentPoint32A", dc, length);
    const auto selected = desk_.dcFont_.find(dc);
    if (selected == desk_.dcFont_.end() || text == nullptr || length < 0)
        return false;
    const auto font = desk_.fonts_.find(selected->second);
    const int height = font == desk_.fonts_.end() ? 16 : std::abs(font->second.lfHeight);
    size = Size{length * height / 2, height};
    return true;
}

bool SimWindowSystem::GetOpenFileNameA(OpenFileNameA& dialog) {
    desk_.logCall(pid_, "GetOpenFileNameA", dialog.hwndOwner, dialog.lpstrTitle);
    FileDialogRecord record{
        dialog.hwndOwner, dialog.lpstrTitle == nullptr ? "" : dialog.lpstrTitle, {}, dialog.Flags};
    for (const char* part = dialog.lpstrFilter; part != nullptr && *part != '\0';
         part += std::strlen(part) + 1) {
        if (!record.filter.empty())
            record.filter.push_back('\0');
        record.filter += part;
    }
    desk_.fileDialogs_.push_back(std::move(record));
    if (desk_.fileAnswers_.empty())
        return false;
    const std::optional<std::string> answer = std::move(desk_.fileAnswers_.front());
    desk_.fileAnswers_.pop_front();
    // A name that does not fit the buffer fails the dialog, as on Windows.
    if (!answer || dialog.lpstrFile == nullptr || answer->size() >= dialog.nMaxFile)
        return false;
    std::memcpy(dialog.lpstrFile, answer->c_str(), answer->size() + 1);
    return true;
}

} // namespace vm::sim
