#include "platform/win32/win32_api.h"

#include <cstring>

#include "platform/win32/on_demand_com.h"
#include "platform/win32/win32_shell.h"

namespace vm {

// The record goes both ways: the query fills in the edge and the rectangle.
std::uintptr_t Win32Shell::SHAppBarMessage(std::uint32_t message, AppBarData& data) {
    APPBARDATA abd{};
    abd.cbSize = sizeof(abd);
    abd.hWnd = win32::ToHwnd(data.hWnd);
    abd.uCallbackMessage = data.uCallbackMessage;
    abd.uEdge = data.uEdge;
    abd.rc = win32::ToRECT(data.rc);
    abd.lParam = data.lParam;
    const UINT_PTR result = ::SHAppBarMessage(message, &abd);
    data.hWnd = win32::FromHandle(abd.hWnd);
    data.uCallbackMessage = abd.uCallbackMessage;
    data.uEdge = abd.uEdge;
    data.rc = win32::FromRECT(abd.rc);
    data.lParam = static_cast<std::intptr_t>(abd.lParam);
    return result;
}

std::uintptr_t Win32Shell::SHGetFileInfoA(const char* path, std::uint32_t fileAttributes,
                                          ShFileInfo& info, std::uint32_t flags) {
    // The shell wants COM entered before it is asked (an icon handler may be
    // a COM object); the program entered it only in wish until now.
    win32::EnterWantedCom();
    SHFILEINFOA record{};
    const DWORD_PTR result = ::SHGetFileInfoA(path, fileAttributes, &record, sizeof(record), flags);
    info = ShFileInfo{};
    info.hIcon = win32::FromHandle(record.hIcon);
    info.iIcon = record.iIcon;
    info.dwAttributes = record.dwAttributes;
    static_assert(sizeof(info.szDisplayName) == sizeof(record.szDisplayName));
    static_assert(sizeof(info.szTypeName) == sizeof(record.szTypeName));
    std::memcpy(info.szDisplayName, record.szDisplayName, sizeof(info.szDisplayName));
    std::memcpy(info.szTypeName, record.szTypeName, sizeof(info.szTypeName));
    return result;
}

bool Win32Shell::Shell_NotifyIconW(std::uint32_t message, const NotifyIconData& data) {
    NOTIFYICONDATAW record{};
    static_assert(NOTIFYICONDATAW_V2_SIZE == 936);
    static_assert(sizeof(record.szTip) == sizeof(data.szTip));
    static_assert(sizeof(record.szInfo) == sizeof(data.szInfo));
    static_assert(sizeof(record.szInfoTitle) == sizeof(data.szInfoTitle));
    record.cbSize = data.cbSize;
    record.hWnd = win32::ToHwnd(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = win32::ToHandle<HICON>(data.hIcon);
    std::memcpy(record.szTip, data.szTip, sizeof(record.szTip));
    record.dwState = data.dwState;
    record.dwStateMask = data.dwStateMask;
    std::memcpy(record.szInfo, data.szInfo, sizeof(record.szInfo));
    record.uTimeout = data.uTimeout;
    std::memcpy(record.szInfoTitle, data.szInfoTitle, sizeof(record.szInfoTitle));
    record.dwInfoFlags = data.dwInfoFlags;
    return ::Shell_NotifyIconW(message, &record) != FALSE;
}

bool Win32Shell::Shell_NotifyIconGetRect(Hwnd window, std::uint32_t id, Rect& rect) {
    // NOTIFYICONIDENTIFIER: size, window, ID and GUID.
    struct IconIdentifier {
        DWORD cbSize;
        HWND hWnd;
        UINT uID;
        GUID guidItem;
    };
    using GetRectFn = HRESULT(WINAPI*)(const IconIdentifier*, RECT*);
    const HMODULE shell = GetModuleHandleA("shell32.dll");
    const auto getRect =
        shell == nullptr
            ? nullptr
            : reinterpret_cast<GetRectFn>(GetProcAddress(shell, "Shell_NotifyIconGetRect"));
    if (getRect == nullptr)
        return false;
    IconIdentifier icon{sizeof(IconIdentifier), win32::ToHwnd(window), id, GUID{}};
    RECT found{};
    if (FAILED(getRect(&icon, &found)))
        return false;
    rect = Rect{found.left, found.top, found.right, found.bottom};
    return true;
}

std::intptr_t Win32Shell::ShellExecuteA(Hwnd window, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        int showCommand) {
    return reinterpret_cast<std::intptr_t>(::ShellExecuteA(win32::ToHwnd(window), operation, file,
                                                           parameters, directory, showCommand));
}

} // namespace vm
