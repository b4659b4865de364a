// Win32 constants of top-level windows: their styles, placement and
// metrics, and the window events that report them.
// Part of platform/constants.h, which says how they are named.
#pragma once

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
inline constexpr std::uint32_t SYSMENU = 0x00080000u;
inline constexpr std::uint32_t THICKFRAME = 0x00040000u;
inline constexpr std::uint32_t MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t GROUP = 0x00020000u;
inline constexpr std::uint32_t TABSTOP = 0x00010000u;
inline constexpr std::uint32_t VSCROLL = 0x00200000u;
inline constexpr std::uint32_t HSCROLL = 0x00100000u;
inline constexpr std::uint32_t OVERLAPPEDWINDOW = 0x00CF0000u;
} // namespace ws

namespace ws_ex {
inline constexpr std::uint32_t TOPMOST = 0x00000008u;
inline constexpr std::uint32_t TOOLWINDOW = 0x00000080u;
inline constexpr std::uint32_t LAYERED = 0x00080000u;
inline constexpr std::uint32_t CLIENTEDGE = 0x00000200u;
inline constexpr std::uint32_t CONTROLPARENT = 0x00010000u;
// Never activated by a click: overlays, on-screen keyboards, volume displays.
inline constexpr std::uint32_t NOACTIVATE = 0x08000000u;
} // namespace ws_ex

namespace lwa {
inline constexpr std::uint32_t ALPHA = 0x2u;
} // namespace lwa

// Window events (SetWinEventHook).
namespace event_ {
inline constexpr std::uint32_t OBJECT_CREATE = 0x8000u;
inline constexpr std::uint32_t OBJECT_SHOW = 0x8002u;
// A thread's move or size loop began or ended (the user's drag).
inline constexpr std::uint32_t SYSTEM_MOVESIZESTART = 0x000Au;
inline constexpr std::uint32_t SYSTEM_MOVESIZEEND = 0x000Bu;
// The compositor hid or showed a window that stays visible (Windows 8 on).
inline constexpr std::uint32_t OBJECT_CLOAKED = 0x8017u;
inline constexpr std::uint32_t OBJECT_UNCLOAKED = 0x8018u;
} // namespace event_

namespace objid {
inline constexpr std::int32_t WINDOW = 0;
} // namespace objid

namespace childid {
inline constexpr std::int32_t SELF = 0;
} // namespace childid

namespace winevent {
inline constexpr std::uint32_t OUTOFCONTEXT = 0x0u;
inline constexpr std::uint32_t SKIPOWNPROCESS = 0x2u;
} // namespace winevent

namespace gwl {
inline constexpr int STYLE = -16;
inline constexpr int EXSTYLE = -20;
inline constexpr int ID = -12;
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
// The request goes to the window's thread without waiting for it.
inline constexpr std::uint32_t ASYNCWINDOWPOS = 0x4000u;
} // namespace swp

namespace smto {
inline constexpr std::uint32_t ABORTIFHUNG = 0x0002u;
} // namespace smto

// Special z-order positions for SetWindowPos.
namespace hwnd_pos {
inline constexpr Hwnd TOP = 0;
} // namespace hwnd_pos

namespace sm {
inline constexpr int CXSCREEN = 0;
inline constexpr int CYSCREEN = 1;
inline constexpr int CYCAPTION = 4;
inline constexpr int CXFRAME = 32;
inline constexpr int CYFRAME = 33;
inline constexpr int XVIRTUALSCREEN = 76;
inline constexpr int YVIRTUALSCREEN = 77;
inline constexpr int CXVIRTUALSCREEN = 78;
inline constexpr int CYVIRTUALSCREEN = 79;
inline constexpr int CMONITORS = 80;
// The border a sizing frame is padded with (Vista on; 0 before).
inline constexpr int CXPADDEDBORDER = 92;
} // namespace sm

// GUITHREADINFO's flags.
namespace gui {
inline constexpr std::uint32_t INMOVESIZE = 0x00000002u;
} // namespace gui

// DwmGetWindowAttribute's attributes and answers.
namespace dwmwa {
inline constexpr std::uint32_t CLOAKED = 14;
} // namespace dwmwa

// The DPI every pixel size of the design is given at (100 %).
inline constexpr std::uint32_t kDesignDpi = 96;

namespace monitor {
inline constexpr std::uint32_t DEFAULTTONULL = 0;
inline constexpr std::uint32_t DEFAULTTOPRIMARY = 1;
inline constexpr std::uint32_t DEFAULTTONEAREST = 2;
} // namespace monitor

// The parking position of a minimized window.
inline constexpr std::int32_t kParkedCoordinate = -32000;

} // namespace vm
