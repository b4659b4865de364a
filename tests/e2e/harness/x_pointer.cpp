#include <windows.h>

#include "scratch_folder.h"
#include "x_pointer.h"

#ifndef VELMORA_XDOTOOL_PATH
#error "the build must define the path of xdotool (empty when it is not installed)"
#endif

namespace e2e {

bool RunXdotool(const std::wstring& args) {
    const std::wstring exe = WideFromAnsi(VELMORA_XDOTOOL_PATH);
    if (exe.empty() || GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0)
        return false;
    std::wstring commandLine = L"xdotool " + args;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return false;
    // A Windows program would come with handles; a Linux one comes without.
    if (info.hThread != nullptr)
        CloseHandle(info.hThread);
    if (info.hProcess != nullptr)
        CloseHandle(info.hProcess);
    return true;
}

} // namespace e2e
