// The calls that ask about what today's systems add to a window's state
// (the compositor's cloaking, a thread's move or size loop) and about the
// metrics at a DPI; the window manager keeps that state.
#include <cstring>

#include "sim_desktop/cp932.h"
#include "sim_desktop/sim_desktop.h"
#include "sim_desktop/sim_window_system.h"

namespace vm::sim {

namespace {
constexpr std::uint32_t kCloakedByShell = 2;                          // DWM_CLOAKED_SHELL
constexpr HResult kInvalidHandle = static_cast<HResult>(0x80070006u); // E_HANDLE
} // namespace

bool SimWindowSystem::GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo& info) {
    desk_.logCall(pid_, "GetGUIThreadInfo", threadId);
    for (const std::uint32_t pid : desk_.liveProcesses()) {
        if (desk_.threadOf(pid) != threadId)
            continue;
        info.hwndMoveSize = desk_.windows().moveSizeWindow(threadId);
        info.flags = info.hwndMoveSize != 0 ? gui::INMOVESIZE : 0;
        return true;
    }
    return false;
}

int SimWindowSystem::GetSystemMetricsForDpi(FarProc entry, int index, std::uint32_t dpi) {
    desk_.logCall(pid_, "GetSystemMetricsForDpi", index, dpi);
    if (!IsUser32Export(entry, "GetSystemMetricsForDpi") || dpi == 0)
        return 0;
    return desk_.display().systemMetricForDpi(index, dpi);
}

HResult SimWindowSystem::DwmGetWindowAttribute(FarProc entry, Hwnd window, std::uint32_t attribute,
                                               void* value, std::uint32_t size) {
    desk_.logCall(pid_, "DwmGetWindowAttribute", window, attribute, size);
    if (entry == 0 ||
        entry != desk_.libraries().exportAddress("dwmapi.dll", "DwmGetWindowAttribute"))
        return hresult::INVALID_ARGUMENT;
    const SimWindow* target = desk_.windows().find(window);
    if (target == nullptr)
        return kInvalidHandle;
    // Windows Vista and 7 know no cloaking and refuse the attribute.
    const OsVersionInfo& version = desk_.system().version;
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
