// Icons of the program's own module and popup menus: user32 one to one.
#include "platform/win32/win32_api.h"

#include "platform/win32/win32_window_system.h"

namespace vm {

using win32::FromHandle;
using win32::ToHandle;
using win32::ToHwnd;

HIcon Win32WindowSystem::LoadImageA(int resourceId, std::uint32_t type, int cx, int cy,
                                    std::uint32_t flags) {
    return FromHandle<HIcon>(::LoadImageA(::GetModuleHandleA(nullptr),
                                          MAKEINTRESOURCEA(static_cast<WORD>(resourceId)), type, cx,
                                          cy, flags));
}

HIcon Win32WindowSystem::CopyIcon(HIcon icon) {
    return FromHandle(::CopyIcon(ToHandle<HICON>(icon)));
}

bool Win32WindowSystem::DestroyIcon(HIcon icon) {
    return ::DestroyIcon(ToHandle<HICON>(icon)) != FALSE;
}

HMenu Win32WindowSystem::CreatePopupMenu() {
    return FromHandle(::CreatePopupMenu());
}

bool Win32WindowSystem::AppendMenuW(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                                    const char16_t* text) {
    return ::AppendMenuW(ToHandle<HMENU>(menu), flags, id,
                         reinterpret_cast<const wchar_t*>(text)) != FALSE;
}

bool Win32WindowSystem::AppendMenuA(HMenu menu, std::uint32_t flags, std::uintptr_t id,
                                    const char* text) {
    return ::AppendMenuA(ToHandle<HMENU>(menu), flags, id, text) != FALSE;
}

int Win32WindowSystem::TrackPopupMenu(HMenu menu, std::uint32_t flags, int x, int y, Hwnd owner) {
    return static_cast<int>(
        ::TrackPopupMenu(ToHandle<HMENU>(menu), flags, x, y, 0, ToHwnd(owner), nullptr));
}

bool Win32WindowSystem::DestroyMenu(HMenu menu) {
    return ::DestroyMenu(ToHandle<HMENU>(menu)) != FALSE;
}

} // namespace vm
