// What other programs' windows are doing beyond their styles: a thread's
// move or size loop, the compositor's cloaking, and metrics at a DPI. The
// newer calls come through addresses the caller looked up at run time.
#include "platform/win32/win32_api.h"

#include "platform/win32/win32_window_system.h"

#include "platform/constants.h"

namespace vm {

bool Win32WindowSystem::GetGUIThreadInfo(std::uint32_t threadId, GuiThreadInfo& info) {
    GUITHREADINFO record{};
    record.cbSize = sizeof(record);
    if (::GetGUIThreadInfo(threadId, &record) == FALSE)
        return false;
    info.flags = record.flags;
    info.hwndMoveSize = win32::FromHandle(record.hwndMoveSize);
    return true;
}

int Win32WindowSystem::GetSystemMetricsForDpi(FarProc entry, int index, std::uint32_t dpi) {
    using GetSystemMetricsForDpiProc = int(WINAPI*)(int, UINT);
    if (entry == 0)
        return 0;
    return reinterpret_cast<GetSystemMetricsForDpiProc>(entry)(index, dpi);
}

HResult Win32WindowSystem::DwmGetWindowAttribute(FarProc entry, Hwnd window,
                                                 std::uint32_t attribute, void* value,
                                                 std::uint32_t size) {
    using DwmGetWindowAttributeProc = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    if (entry == 0)
        return hresult::INVALID_ARGUMENT;
    return reinterpret_cast<DwmGetWindowAttributeProc>(entry)(win32::ToHwnd(window), attribute,
                                                              value, size);
}

} // namespace vm
