// Win32 constants the program uses, with their Win32 values. They live in
// small namespaces named after their Win32 prefix (ws::THICKFRAME for
// WS_THICKFRAME) so they never clash with the macros of <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/types.h"

namespace vm {

namespace ws {
inline constexpr std::uint32_t POPUP = 0x80000000u;
inline constexpr std::uint32_t CHILD = 0x40000000u;
inline constexpr std::uint32_t MINIMIZE = 0x20000000u;
inline constexpr std::uint32_t VISIBLE = 0x10000000u;
inline constexpr std::uint32_t DISABLED = 0x08000000u;
inline constexpr std::uint32_t CLIPSIBLINGS = 0x04000000u;
inline constexpr std::uint32_t CLIPCHILDREN = 0x02000000u;
inline constexpr std::uint32_t MAXIMIZE = 0x01000000u;
inline constexpr std::uint32_t CAPTION = 0x00C00000u;
inline constexpr std::uint32_t BORDER = 0x00800000u;
inline constexpr std::uint32_t DLGFRAME = 0x00400000u;
inline constexpr std::uint32_t SYSMENU = 0x00080000u;
inline constexpr std::uint32_t THICKFRAME = 0x00040000u;
inline constexpr std::uint32_t MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t MAXIMIZEBOX = 0x00010000u;
inline constexpr std::uint32_t OVERLAPPEDWINDOW = 0x00CF0000u;
} // namespace ws

namespace ws_ex {
inline constexpr std::uint32_t TOPMOST = 0x00000008u;
inline constexpr std::uint32_t TOOLWINDOW = 0x00000080u;
inline constexpr std::uint32_t APPWINDOW = 0x00040000u;
inline constexpr std::uint32_t LAYERED = 0x00080000u;
} // namespace ws_ex

namespace gwl {
inline constexpr int STYLE = -16;
inline constexpr int EXSTYLE = -20;
} // namespace gwl

namespace sw {
inline constexpr int HIDE = 0;
inline constexpr int SHOWNORMAL = 1;
inline constexpr int SHOWMINIMIZED = 2;
inline constexpr int MAXIMIZE = 3;
inline constexpr int SHOW = 5;
inline constexpr int SHOWMINNOACTIVE = 7;
inline constexpr int MINIMIZE = 6;
inline constexpr int RESTORE = 9;
} // namespace sw

namespace swp {
inline constexpr std::uint32_t NOSIZE = 0x0001u;
inline constexpr std::uint32_t NOMOVE = 0x0002u;
inline constexpr std::uint32_t NOZORDER = 0x0004u;
inline constexpr std::uint32_t NOACTIVATE = 0x0010u;
} // namespace swp

// Special z-order positions for SetWindowPos.
namespace hwnd_pos {
inline constexpr Hwnd TOP = 0;
} // namespace hwnd_pos

namespace sm {
inline constexpr int CXSCREEN = 0;
inline constexpr int CYSCREEN = 1;
inline constexpr int CYCAPTION = 4;
inline constexpr int CYFRAME = 33;
inline constexpr int XVIRTUALSCREEN = 76;
inline constexpr int YVIRTUALSCREEN = 77;
inline constexpr int CXVIRTUALSCREEN = 78;
inline constexpr int CYVIRTUALSCREEN = 79;
inline constexpr int CMONITORS = 80;
} // namespace sm

namespace wm {
inline constexpr std::uint32_t NULL_ = 0x0000u;
inline constexpr std::uint32_t DESTROY = 0x0002u;
inline constexpr std::uint32_t CLOSE = 0x0010u;
inline constexpr std::uint32_t QUERYENDSESSION = 0x0011u;
inline constexpr std::uint32_t QUIT = 0x0012u;
inline constexpr std::uint32_t ENDSESSION = 0x0016u;
inline constexpr std::uint32_t SHOWWINDOW = 0x0018u;
inline constexpr std::uint32_t COPYDATA = 0x004Au;
inline constexpr std::uint32_t TIMER = 0x0113u;
inline constexpr std::uint32_t USER = 0x0400u;
} // namespace wm

namespace mb {
inline constexpr std::uint32_t OK = 0x0u;
inline constexpr std::uint32_t OKCANCEL = 0x1u;
inline constexpr std::uint32_t YESNOCANCEL = 0x3u;
inline constexpr std::uint32_t YESNO = 0x4u;
inline constexpr std::uint32_t ICONERROR = 0x10u;
inline constexpr std::uint32_t ICONQUESTION = 0x20u;
inline constexpr std::uint32_t ICONWARNING = 0x30u;
inline constexpr std::uint32_t ICONINFORMATION = 0x40u;
inline constexpr std::uint32_t DEFBUTTON2 = 0x100u;
inline constexpr std::uint32_t DEFBUTTON3 = 0x200u;
inline constexpr std::uint32_t SETFOREGROUND = 0x10000u;
inline constexpr std::uint32_t TOPMOST = 0x40000u;
} // namespace mb

// The buttons a message box answers with (IDOK, IDYES, ...).
namespace id_ {
inline constexpr int OK = 1;
inline constexpr int CANCEL = 2;
inline constexpr int YES = 6;
inline constexpr int NO = 7;
} // namespace id_

namespace abm {
inline constexpr std::uint32_t GETSTATE = 4;
inline constexpr std::uint32_t GETTASKBARPOS = 5;
} // namespace abm

namespace abe {
inline constexpr std::uint32_t LEFT = 0;
inline constexpr std::uint32_t TOP = 1;
inline constexpr std::uint32_t RIGHT = 2;
inline constexpr std::uint32_t BOTTOM = 3;
} // namespace abe

namespace abs_ {
inline constexpr std::uintptr_t AUTOHIDE = 1;
inline constexpr std::uintptr_t ALWAYSONTOP = 2;
} // namespace abs_

namespace shgfi {
inline constexpr std::uint32_t ICON = 0x100;
} // namespace shgfi

namespace monitor {
inline constexpr std::uint32_t DEFAULTTONULL = 0;
inline constexpr std::uint32_t DEFAULTTOPRIMARY = 1;
inline constexpr std::uint32_t DEFAULTTONEAREST = 2;
} // namespace monitor

namespace spi {
inline constexpr std::uint32_t GETFOREGROUNDLOCKTIMEOUT = 0x2000u;
inline constexpr std::uint32_t SETFOREGROUNDLOCKTIMEOUT = 0x2001u;
inline constexpr std::uint32_t SENDCHANGE = 2u; // SPIF_SENDCHANGE
} // namespace spi

namespace ver_platform {
inline constexpr std::uint32_t WIN32s = 0;
inline constexpr std::uint32_t WIN32_WINDOWS = 1;
inline constexpr std::uint32_t WIN32_NT = 2;
} // namespace ver_platform

namespace th32cs {
inline constexpr std::uint32_t SNAPPROCESS = 2;
} // namespace th32cs

namespace mutex_access {
inline constexpr std::uint32_t ALL_ACCESS = 0x1F0001u;
} // namespace mutex_access

namespace snd {
inline constexpr std::uint32_t ASYNC = 0x0001u;
inline constexpr std::uint32_t NODEFAULT = 0x0002u;
} // namespace snd

namespace movefile {
inline constexpr std::uint32_t REPLACE_EXISTING = 0x1u;
inline constexpr std::uint32_t WRITE_THROUGH = 0x8u;
} // namespace movefile

// The longest path the "A" calls take, terminating NUL included.
inline constexpr std::size_t kMaxPath = 260;

namespace hkey {
inline constexpr HKey CURRENT_USER = 0x80000001u;
} // namespace hkey

namespace key_access {
inline constexpr std::uint32_t READ = 0x20019u; // KEY_READ
} // namespace key_access

namespace reg {
inline constexpr std::uint32_t SZ = 1;
inline constexpr std::uint32_t EXPAND_SZ = 2;
inline constexpr std::uint32_t BINARY = 3;
} // namespace reg

// Win32 error codes (ERROR_SUCCESS, ...), as the registry calls return them.
namespace error {
inline constexpr std::int32_t SUCCESS = 0;
inline constexpr std::int32_t FILE_NOT_FOUND = 2;
inline constexpr std::int32_t INVALID_HANDLE = 6;
inline constexpr std::int32_t INVALID_PARAMETER = 87;
inline constexpr std::int32_t MORE_DATA = 234;
} // namespace error

namespace hresult {
inline constexpr HResult OK = 0;
inline constexpr HResult FAIL = static_cast<HResult>(0x80004005u); // E_FAIL
} // namespace hresult

namespace file_attribute {
inline constexpr std::uint32_t DIRECTORY = 0x10u;
inline constexpr std::uint32_t ARCHIVE = 0x20u;
inline constexpr std::uint32_t INVALID = 0xFFFFFFFFu; // INVALID_FILE_ATTRIBUTES
} // namespace file_attribute

// The parking position of a minimized window.
inline constexpr std::int32_t kParkedCoordinate = -32000;

} // namespace vm
