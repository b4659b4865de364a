// Changes any program makes to any window on the simulated desktop: texts,
// styles, places, z-order, visibility, the foreground and layered
// attributes, and the window-event hooks.
#include "sim_desktop/sim_window_system.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "sim_desktop/cp932.h"
#include "sim_desktop/desktop_process.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

namespace {
constexpr Hwnd kHwndBottom{1};
constexpr Hwnd kHwndTopmost{static_cast<std::uintptr_t>(-1)};
constexpr Hwnd kHwndNoTopmost = static_cast<Hwnd>(-2);
} // namespace

SimWindow* SimWindowSystem::WaitForOwner(Hwnd window) {
    SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || SimDesktop::deniesAccess(pid_, *target) ||
        !desk_.scheduler().waitUntilAnswered(pid_, target->pid))
        return nullptr;
    return desk_.windows().find(window);
}

bool SimWindowSystem::SetWindowTextA(Hwnd window, const char* text) {
    desk_.logCall(pid_, "SetWindowTextA", window, text);
    SimWindow* target = WaitForOwner(window);
    if (target == nullptr)
        return false;
    target->titleW = FromCp932(text == nullptr ? "" : text);
    return true;
}

bool SimWindowSystem::SetWindowTextW(Hwnd window, const char16_t* text) {
    desk_.logCall(pid_, "SetWindowTextW", window, text);
    SimWindow* target = WaitForOwner(window);
    if (target == nullptr)
        return false;
    target->titleW = text == nullptr ? u"" : text;
    return true;
}

std::int32_t SimWindowSystem::SetWindowLongA(Hwnd window, int index, std::int32_t value) {
    desk_.logCall(pid_, "SetWindowLongA", window, index, value);
    SimWindow* target = desk_.windows().find(window);
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
    SimWindow* target = window == kDesktopWindow ? nullptr : WaitForOwner(window);
    if (target == nullptr)
        return false;
    desk_.windows().move(*target, {x, y, x + width, y + height});
    return true;
}

bool SimWindowSystem::SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                                   std::uint32_t flags) {
    desk_.logCall(pid_, "SetWindowPos", window, insertAfter, x, y, cx, cy, flags);
    SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || window == kDesktopWindow || SimDesktop::deniesAccess(pid_, *target))
        return false;
    // Posted to the window's thread, the request is carried out when that
    // thread next reads its queue, after what its program does first.
    if ((flags & swp::ASYNCWINDOWPOS) != 0 && target->pid != pid_) {
        const std::uint32_t owner = target->pid;
        desk_.scheduler().whenThreadReads(
            pid_, target->pid, [this, owner, window, insertAfter, x, y, cx, cy, flags] {
                SimDesktop::Process* process = desk_.findProcess(owner);
                if (process != nullptr && desk_.windows().exists(window))
                    process->win.SetWindowPos(window, insertAfter, x, y, cx, cy,
                                              flags & ~swp::ASYNCWINDOWPOS);
            });
        return true;
    }
    target = WaitForOwner(window);
    if (target == nullptr)
        return false;
    const bool zOrderChange = (flags & swp::NOZORDER) == 0;
    if (zOrderChange && insertAfter != hwnd_pos::TOP && insertAfter != kHwndBottom &&
        insertAfter != kHwndTopmost && insertAfter != kHwndNoTopmost &&
        !desk_.windows().exists(insertAfter))
        return false;
    if ((flags & (swp::NOMOVE | swp::NOSIZE)) != (swp::NOMOVE | swp::NOSIZE)) {
        Rect rect = target->reportedRect();
        if ((flags & swp::NOMOVE) == 0)
            rect = {x, y, x + rect.Width(), y + rect.Height()};
        if ((flags & swp::NOSIZE) == 0)
            rect = {rect.left, rect.top, rect.left + cx, rect.top + cy};
        desk_.windows().move(*target, rect);
    }
    if (!zOrderChange)
        return true;
    if (insertAfter == kHwndTopmost)
        target->exStyle |= ws_ex::TOPMOST;
    if (insertAfter == kHwndNoTopmost)
        target->exStyle &= ~ws_ex::TOPMOST;
    if (insertAfter == kHwndBottom)
        desk_.windows().lower(window);
    else if (insertAfter == hwnd_pos::TOP || insertAfter == kHwndTopmost ||
             insertAfter == kHwndNoTopmost)
        desk_.windows().raise(window);
    else
        desk_.windows().placeBelow(window, insertAfter);
    return true;
}

bool SimWindowSystem::ShowWindow(Hwnd window, int command) {
    desk_.logCall(pid_, "ShowWindow", window, command);
    SimWindow* target = window == kDesktopWindow ? nullptr : WaitForOwner(window);
    if (target == nullptr)
        return false;
    return desk_.windows().show(*target, command);
}

bool SimWindowSystem::ShowWindowAsync(Hwnd window, int command) {
    desk_.logCall(pid_, "ShowWindowAsync", window, command);
    SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || window == kDesktopWindow || SimDesktop::deniesAccess(pid_, *target))
        return false;
    desk_.scheduler().whenThreadReads(pid_, target->pid, [this, window, command] {
        if (SimWindow* shown = desk_.windows().find(window))
            desk_.windows().show(*shown, command);
    });
    return true;
}

bool SimWindowSystem::BringWindowToTop(Hwnd window) {
    desk_.logCall(pid_, "BringWindowToTop", window);
    if (!desk_.windows().exists(window))
        return false;
    desk_.windows().raise(window);
    return true;
}

bool SimWindowSystem::SetForegroundWindow(Hwnd window) {
    desk_.logCall(pid_, "SetForegroundWindow", window);
    if (!desk_.windows().exists(window))
        return false;
    return desk_.windows().setForegroundFrom(pid_, window);
}

bool SimWindowSystem::AttachThreadInput(std::uint32_t attachThread, std::uint32_t toThread,
                                        bool attach) {
    desk_.logCall(pid_, "AttachThreadInput", attachThread, toThread, attach);
    const auto known = [this](std::uint32_t tid) {
        return std::any_of(desk_.liveProcesses().begin(), desk_.liveProcesses().end(),
                           [&](std::uint32_t pid) { return desk_.findProcess(pid)->tid == tid; });
    };
    return known(attachThread) && known(toThread) &&
           desk_.windows().attachThreadInput(attachThread, toThread, attach);
}

bool SimWindowSystem::GetNonClientMetricsA(NonClientMetrics& metrics) {
    desk_.logCall(pid_, "SystemParametersInfoA", "SPI_GETNONCLIENTMETRICS");
    metrics.lfMessageFont = desk_.display().messageFontAt(desk_.windows().systemDpiOf(pid_));
    return true;
}

bool SimWindowSystem::GetNonClientMetricsForDpi(NonClientMetrics& metrics, std::uint32_t dpi) {
    desk_.logCall(pid_, "SystemParametersInfoForDpi", "SPI_GETNONCLIENTMETRICS", dpi);
    if (!desk_.display().perDpiMetrics() || dpi == 0)
        return false;
    metrics.lfMessageFont = desk_.display().messageFontAt(dpi);
    return true;
}

bool SimWindowSystem::SystemParametersInfoA(std::uint32_t action, std::uint32_t uiParam,
                                            void* pvParam, std::uint32_t winIni) {
    const auto value = reinterpret_cast<std::uintptr_t>(pvParam);
    desk_.logCall(pid_, "SystemParametersInfoA", action, uiParam, value, winIni);
    if (action == spi::GETFOREGROUNDLOCKTIMEOUT) {
        if (pvParam == nullptr)
            return false;
        const std::uint32_t timeout = desk_.windows().lockTimeout();
        std::memcpy(pvParam, &timeout, sizeof timeout);
        return true;
    }
    if (action == spi::SETFOREGROUNDLOCKTIMEOUT)
        return desk_.windows().setLockTimeoutFrom(pid_, static_cast<std::uint32_t>(value));
    return false;
}

bool SimWindowSystem::SetLayeredWindowAttributes(FarProc entry, Hwnd window, std::uint32_t colorKey,
                                                 std::uint8_t alpha, std::uint32_t flags) {
    desk_.logCall(pid_, "SetLayeredWindowAttributes", window, colorKey, alpha, flags);
    if (entry != desk_.libraries().exportAddress("user32.dll", "SetLayeredWindowAttributes") ||
        entry == 0)
        return false;
    // Only a layered window takes the attributes.
    SimWindow* target = desk_.windows().find(window);
    if (target == nullptr || !target->layered())
        return false;
    target->colorKey = colorKey;
    target->alpha = alpha;
    target->layeredFlags = flags;
    return true;
}

bool SimWindowSystem::IsUser32Export(FarProc entry, const char* name) const {
    return entry != 0 && entry == desk_.libraries().exportAddress("user32.dll", name);
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
    return desk_.winEvents().setHook(pid_,
                                     {pid_, eventMin, eventMax, std::move(proc), processId, flags});
}

bool SimWindowSystem::UnhookWinEvent(FarProc entry, HWinEventHook hook) {
    desk_.logCall(pid_, "UnhookWinEvent", hook);
    return IsUser32Export(entry, "UnhookWinEvent") && desk_.winEvents().unhook(pid_, hook);
}

} // namespace vm::sim
