// Own handle, geometry and record types of the platform seam. They mirror
// the Win32 types the program relies on, without including <windows.h>.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <type_traits>

namespace vm {

// Kinds of GDI object: fonts and brushes never mix, but either may be
// given where any GDI object is taken (SelectObject, DeleteObject).
struct GdiObjectTag;
struct FontTag;
struct BrushTag;

// Other is a kind that converts to Tag: a font or a brush to a GDI object.
template <typename Other, typename Tag>
concept GdiObjectKindOf = std::is_same_v<Tag, GdiObjectTag> &&
    (std::is_same_v<Other, FontTag> || std::is_same_v<Other, BrushTag>);

// An opaque handle of one kind, so that a menu is never destroyed as an
// icon: handles of different kinds neither convert nor compare. The null
// handle is the default, and 0 or nullptr may be written for it
// (Hwnd window = 0; if (!window) ...); Value() is the number a message
// carries.
template <typename Tag>
class HandleOf {
public:
    constexpr HandleOf() noexcept = default;
    constexpr HandleOf(std::nullptr_t) noexcept {}
    template <std::integral T>
    constexpr explicit HandleOf(T value) noexcept : value_(static_cast<std::uintptr_t>(value)) {}
    template <GdiObjectKindOf<Tag> Other>
    constexpr HandleOf(HandleOf<Other> object) noexcept : value_(object.Value()) {}

    constexpr std::uintptr_t Value() const noexcept { return value_; }
    constexpr explicit operator bool() const noexcept { return value_ != 0; }
    friend constexpr bool operator==(const HandleOf&, const HandleOf&) noexcept = default;
    friend constexpr auto operator<=>(const HandleOf&, const HandleOf&) noexcept = default;

private:
    std::uintptr_t value_ = 0;
};

using Hwnd = HandleOf<struct HwndTag>;
using HMonitor = HandleOf<struct HMonitorTag>;
// A kernel object: mutex, process snapshot.
using Handle = HandleOf<struct KernelObjectTag>;
using HIcon = HandleOf<struct HIconTag>;
using HKey = HandleOf<struct HKeyTag>;
using Hdc = HandleOf<struct HdcTag>;
using HGdiObj = HandleOf<GdiObjectTag>;
using HFont = HandleOf<FontTag>;
using HBrush = HandleOf<BrushTag>;
using HModule = HandleOf<struct HModuleTag>;
using HMenu = HandleOf<struct HMenuTag>;
using HWinEventHook = HandleOf<struct HWinEventHookTag>;

static_assert(!std::is_convertible_v<HIcon, HMenu> && !std::is_convertible_v<Hwnd, HIcon>);
static_assert(!std::is_convertible_v<HFont, HBrush> && !std::is_convertible_v<HBrush, HFont>);
static_assert(std::is_convertible_v<HFont, HGdiObj> && !std::is_convertible_v<HGdiObj, HFont>);
static_assert(!std::is_convertible_v<std::uintptr_t, Hwnd> && !std::is_convertible_v<Hwnd, bool>);
static_assert(!std::equality_comparable_with<Hwnd, HMonitor>);

// COM results: 0 or above is success.
using HResult = std::int32_t;
// A colour as COLORREF: 0x00BBGGRR.
using ColorRef = std::uint32_t;
// The address of a module's exported function, as GetProcAddress gives it.
using FarProc = std::uintptr_t;

// a - b, held to the 32-bit range: coordinates come from other programs,
// and a wrapped difference must not be undefined behaviour.
inline std::int32_t ClampedDifference(std::int32_t a, std::int32_t b) {
    const std::int64_t d = std::int64_t{a} - b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        d, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A sum of such coordinates, formed wide, held to the 32-bit range.
inline std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The halves of a message's wParam (LOWORD, HIWORD).
inline std::uint32_t LowWord(std::uintptr_t value) {
    return static_cast<std::uint32_t>(value & 0xFFFFu);
}
inline std::uint32_t HighWord(std::uintptr_t value) {
    return static_cast<std::uint32_t>((value >> 16) & 0xFFFFu);
}

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return ClampedDifference(right, left); }
    std::int32_t Height() const { return ClampedDifference(bottom, top); }
    bool operator==(const Rect&) const = default;
};

struct Size {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// OSVERSIONINFOA as far as the program reads it.
struct OsVersionInfo {
    std::uint32_t dwOSVersionInfoSize = 148;
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformId = 0;
};

// GUITHREADINFO as far as the program reads it.
struct GuiThreadInfo {
    std::uint32_t flags = 0; // gui:: bits
    Hwnd hwndMoveSize = 0;   // the window of a move or size loop
};

// PROCESSENTRY32 (ANSI) as far as the program reads it.
struct ProcessEntry32 {
    std::uint32_t dwSize = 0;
    std::uint32_t th32ProcessID = 0;
    char szExeFile[260] = {};
};

// APPBARDATA; cbSize is the 32-bit layout's 36 bytes.
struct AppBarData {
    std::uint32_t cbSize = 36;
    Hwnd hWnd = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uint32_t uEdge = 0;
    Rect rc;
    std::intptr_t lParam = 0;
};

// MONITORINFO.
struct MonitorInfo {
    std::uint32_t cbSize = 40;
    Rect rcMonitor;
    Rect rcWork;
    std::uint32_t dwFlags = 0;
};

// SHFILEINFOA as far as the program reads it.
struct ShFileInfo {
    HIcon hIcon = 0;
    int iIcon = 0;
    std::uint32_t dwAttributes = 0;
    char szDisplayName[260] = {};
    char szTypeName[80] = {};
};

// NOTIFYICONDATAW up to the balloon fields, without the GUID: 936 bytes in
// the 32-bit layout, the size every Windows version from 2000 on accepts.
// The tip is UTF-16, so that it reads right on every code page.
struct NotifyIconData {
    std::uint32_t cbSize = 936;
    Hwnd hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    HIcon hIcon = 0;
    char16_t szTip[128] = {};
    std::uint32_t dwState = 0;
    std::uint32_t dwStateMask = 0;
    char16_t szInfo[256] = {};
    std::uint32_t uTimeout = 0;
    char16_t szInfoTitle[64] = {};
    std::uint32_t dwInfoFlags = 0;
};

// DLLVERSIONINFO.
struct DllVersionInfo {
    std::uint32_t cbSize = 20;
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformID = 0;
};

// COPYDATASTRUCT. On 32-bit Windows this has exactly the system's layout,
// so the window procedure can read lParam of WM_COPYDATA as this record.
struct CopyDataStruct {
    std::uintptr_t dwData = 0;
    std::uint32_t cbData = 0;
    const void* lpData = nullptr;
};

// LOGFONTA as far as the program sets it; the rest is the system's default.
struct LogFontA {
    std::int32_t lfHeight = 0; // negative: character height in pixels
    std::int32_t lfWeight = 400;
    std::uint8_t lfCharSet = 1; // DEFAULT_CHARSET
    char lfFaceName[32] = {};
};

// NONCLIENTMETRICSA as far as the program uses it: the font of message
// boxes, the system's choice for dialog text.
struct NonClientMetrics {
    LogFontA lfMessageFont;
};

// OPENFILENAMEA as far as the program uses it. lpstrFilter holds pairs of
// NUL-terminated texts and ends with an empty one; lpstrFile holds the
// initial name and receives the chosen full path.
struct OpenFileNameA {
    Hwnd hwndOwner = 0;
    const char* lpstrFilter = nullptr;
    char* lpstrFile = nullptr;
    std::uint32_t nMaxFile = 0;
    const char* lpstrTitle = nullptr;
    std::uint32_t Flags = 0;
};

} // namespace vm

template <typename Tag>
struct std::hash<vm::HandleOf<Tag>> {
    std::size_t operator()(vm::HandleOf<Tag> handle) const noexcept {
        return std::hash<std::uintptr_t>{}(handle.Value());
    }
};
