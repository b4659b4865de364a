// What today's systems add to a window's state on the simulated desktop:
// the compositor's cloaking, a thread's move or size loop, and the metrics
// at a DPI, with the calls that ask about them.
#include <cstring>

#include "platform/sim/cp932.h"
#include "platform/sim/desktop_process.h"
#include "platform/sim/sim_desktop.h"

namespace vm::sim {

namespace {
constexpr std::uint32_t kCloakedByShell = 2;                          // DWM_CLOAKED_SHELL
constexpr HResult kInvalidHandle = static_cast<HResult>(0x80070006u); // E_HANDLE
} // namespace

void SimDesktop::setCloaked(Hwnd handle, bool on) {
    SimWindow& target = window(handle);
    if (target.cloaked == on)
        return;
    target.cloaked = on;
    raiseWinEvent(on ? event_::OBJECT_CLOAKED : event_::OBJECT_UNCLOAKED, target);
}

void SimDesktop::beginMoveSize(Hwnd handle) {
    const SimWindow& target = window(handle);
    moveSize_[threadOf(target.pid)] = handle;
    raiseWinEvent(event_::SYSTEM_MOVESIZESTART, target);
}

void SimDesktop::endMoveSize(Hwnd handle) {
    const SimWindow& target = window(handle);
    const auto found = moveSize_.find(threadOf(target.pid));
    if (found == moveSize_.end() || found->second != handle)
        return;
    moveSize_.erase(found);
    raiseWinEvent(event_::SYSTEM_MOVESIZEEND, target);
}

bool SimWindowSystem::GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo& info) {
    desk_.logCall(pid_, "GetGUIThreadInfo", threadId);
    for (const std::uint32_t pid : desk_.processOrder_) {
        if (desk_.threadOf(pid) != threadId)
            continue;
        const auto found = desk_.moveSize_.find(threadId);
        const bool moving = found != desk_.moveSize_.end() && desk_.exists(found->second);
        info.flags = moving ? gui::INMOVESIZE : 0;
        info.hwndMoveSize = moving ? found->second : Hwnd{};
        return true;
    }
    return false;
}

int SimWindowSystem::GetSystemMetricsForDpi(FarProc entry, int index, std::uint32_t dpi) {
    desk_.logCall(pid_, "GetSystemMetricsForDpi", index, dpi);
    if (!IsUser32Export(entry, "GetSystemMetricsForDpi") || dpi == 0)
        return 0;
    return desk_.systemMetricForDpi(index, dpi);
}

HResult SimWindowSystem::DwmGetWindowAttribute(FarProc entry, Hwnd window, std::uint32_t attribute,
                                               void* value, std::uint32_t size) {
    desk_.logCall(pid_, "DwmGetWindowAttribute", window, attribute, size);
    const auto dwmapi = desk_.libraries_.find(FoldAsciiCase("dwmapi.dll"));
    if (entry == 0 || dwmapi == desk_.libraries_.end() ||
        entry != desk_.exportAddress(dwmapi->second, "DwmGetWindowAttribute"))
        return hresult::INVALID_ARGUMENT;
    const SimWindow* target = desk_.find(window);
    if (target == nullptr)
        return kInvalidHandle;
    // Windows Vista and 7 know no cloaking and refuse the attribute.
    const OsVersionInfo& version = desk_.version_;
    const bool knowsCloaking =
        version.dwMajorVersion > 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion >= 2);
    if (attribute != dwmwa::CLOAKED || !knowsCloaking || value == nullptr ||
        size != sizeof(std::uint32_t))
        return hresult::INVALID_ARGUMENT;
    const std::uint32_t cloaked = target->cloaked ? kCloakedByShell : 0;
    std::memcpy(value, &cloaked, sizeof cloaked);
    return hresult::OK;
}

} // namespace vm::sim
