// The Windows headers and the conversions between the seam's types and the
// system's. Included by the backend's sources only.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstddef>
#include <cstdint>

#include "platform/types.h"

namespace vm::win32 {

// On 32-bit Windows the seam's UTF-16 text is the system's wide text, and its
// records have the system's sizes.
static_assert(sizeof(char16_t) == sizeof(wchar_t));
static_assert(sizeof(APPBARDATA) == 36);
static_assert(sizeof(MONITORINFO) == 40);
static_assert(sizeof(OSVERSIONINFOA) == 148);
static_assert(sizeof(PROCESSENTRY32) == 296);
static_assert(sizeof(ProcessEntry32::szExeFile) == sizeof(PROCESSENTRY32::szExeFile));

// The window procedure reads WM_COPYDATA's lParam as the seam's record.
static_assert(sizeof(CopyDataStruct) == sizeof(COPYDATASTRUCT));
static_assert(offsetof(CopyDataStruct, dwData) == offsetof(COPYDATASTRUCT, dwData));
static_assert(offsetof(CopyDataStruct, cbData) == offsetof(COPYDATASTRUCT, cbData));
static_assert(offsetof(CopyDataStruct, lpData) == offsetof(COPYDATASTRUCT, lpData));

// The seam's handles become the system's here and nowhere else.
template <typename H, typename Tag>
H ToHandle(HandleOf<Tag> handle) {
    return reinterpret_cast<H>(handle.Value());
}

// A system handle as the seam's handle of kind Seam, for system types that
// stand for several kinds (HGDIOBJ and HANDLE are both void*).
template <typename Seam, typename H>
Seam FromHandle(H handle) {
    return Seam{reinterpret_cast<std::uintptr_t>(handle)};
}

// The kinds that follow from the system's type.
inline Hwnd FromHandle(HWND handle) {
    return FromHandle<Hwnd>(handle);
}
inline HMonitor FromHandle(HMONITOR handle) {
    return FromHandle<HMonitor>(handle);
}
inline HIcon FromHandle(HICON handle) {
    return FromHandle<HIcon>(handle);
}
inline HKey FromHandle(HKEY handle) {
    return FromHandle<HKey>(handle);
}
inline Hdc FromHandle(HDC handle) {
    return FromHandle<Hdc>(handle);
}
inline HFont FromHandle(HFONT handle) {
    return FromHandle<HFont>(handle);
}
inline HBrush FromHandle(HBRUSH handle) {
    return FromHandle<HBrush>(handle);
}
inline HModule FromHandle(HMODULE handle) {
    return FromHandle<HModule>(handle);
}
inline HMenu FromHandle(HMENU handle) {
    return FromHandle<HMenu>(handle);
}
inline HWinEventHook FromHandle(HWINEVENTHOOK handle) {
    return FromHandle<HWinEventHook>(handle);
}
// A kernel object's handle.
inline Handle FromHandle(HANDLE handle) {
    return FromHandle<Handle>(handle);
}

inline HWND ToHwnd(Hwnd window) {
    return ToHandle<HWND>(window);
}

inline RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

inline Rect FromRECT(const RECT& r) {
    return Rect{static_cast<std::int32_t>(r.left), static_cast<std::int32_t>(r.top),
                static_cast<std::int32_t>(r.right), static_cast<std::int32_t>(r.bottom)};
}

inline const wchar_t* ToWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

inline wchar_t* ToWide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}

} // namespace vm::win32
