// Win32 constants of window messages, system commands, keys and message
// boxes.
// Part of platform/constants.h, which says how they are named.
#pragma once

#include <cstdint>

namespace vm {

namespace wm {
inline constexpr std::uint32_t NULL_ = 0x0000u;
inline constexpr std::uint32_t DESTROY = 0x0002u;
inline constexpr std::uint32_t SETFOCUS = 0x0007u;
inline constexpr std::uint32_t KILLFOCUS = 0x0008u;
inline constexpr std::uint32_t SETTEXT = 0x000Cu;
inline constexpr std::uint32_t GETTEXT = 0x000Du;
inline constexpr std::uint32_t GETTEXTLENGTH = 0x000Eu;
inline constexpr std::uint32_t CLOSE = 0x0010u;
// wParam: the new DPI in both halves; lParam: the suggested window rectangle.
inline constexpr std::uint32_t DPICHANGED = 0x02E0u;
inline constexpr std::uint32_t QUERYENDSESSION = 0x0011u;
inline constexpr std::uint32_t QUIT = 0x0012u;
inline constexpr std::uint32_t ENDSESSION = 0x0016u;
inline constexpr std::uint32_t SHOWWINDOW = 0x0018u;
inline constexpr std::uint32_t ACTIVATE = 0x0006u;
inline constexpr std::uint32_t ACTIVATEAPP = 0x001Cu;
// The dialog manager's request to move the focus: lParam nonzero, to the
// control wParam; else to the next (wParam 0) or previous tab stop.
inline constexpr std::uint32_t NEXTDLGCTL = 0x0028u;
// wParam: TRUE when the caption is drawn active.
inline constexpr std::uint32_t NCACTIVATE = 0x0086u;
inline constexpr std::uint32_t SETFONT = 0x0030u;
inline constexpr std::uint32_t GETFONT = 0x0031u;
inline constexpr std::uint32_t COPYDATA = 0x004Au;
// Sent to every top-level window once the displays were resized, added,
// removed or moved.
inline constexpr std::uint32_t DISPLAYCHANGE = 0x007Eu;
inline constexpr std::uint32_t NCDESTROY = 0x0082u;
inline constexpr std::uint32_t GETDLGCODE = 0x0087u;
inline constexpr std::uint32_t KEYDOWN = 0x0100u;
inline constexpr std::uint32_t SYSCHAR = 0x0106u;
inline constexpr std::uint32_t COMMAND = 0x0111u;
// wParam: the command (SC_), its low four bits the system's own.
inline constexpr std::uint32_t SYSCOMMAND = 0x0112u;
inline constexpr std::uint32_t TIMER = 0x0113u;
inline constexpr std::uint32_t HSCROLL = 0x0114u;
inline constexpr std::uint32_t VSCROLL = 0x0115u;
inline constexpr std::uint32_t UPDATEUISTATE = 0x0128u;
inline constexpr std::uint32_t CTLCOLORSTATIC = 0x0138u;
inline constexpr std::uint32_t MOUSEMOVE = 0x0200u;
inline constexpr std::uint32_t LBUTTONDOWN = 0x0201u;
inline constexpr std::uint32_t LBUTTONUP = 0x0202u;
inline constexpr std::uint32_t LBUTTONDBLCLK = 0x0203u;
inline constexpr std::uint32_t RBUTTONDOWN = 0x0204u;
inline constexpr std::uint32_t RBUTTONUP = 0x0205u;
inline constexpr std::uint32_t MBUTTONDOWN = 0x0207u;
inline constexpr std::uint32_t USER = 0x0400u;
inline constexpr std::uint32_t APP = 0x8000u;
} // namespace wm

namespace sc {
inline constexpr std::uintptr_t MINIMIZE = 0xF020u;
inline constexpr std::uintptr_t MAXIMIZE = 0xF030u;
inline constexpr std::uintptr_t CLOSE = 0xF060u;
inline constexpr std::uintptr_t RESTORE = 0xF120u;
// The bits of a WM_SYSCOMMAND's wParam that name the command.
inline constexpr std::uintptr_t COMMAND_MASK = 0xFFF0u;
} // namespace sc

// WM_ACTIVATE's low word.
namespace wa {
inline constexpr std::uintptr_t INACTIVE = 0;
inline constexpr std::uintptr_t ACTIVE = 1;
} // namespace wa

namespace mb {
inline constexpr std::uint32_t OK = 0x0u;
inline constexpr std::uint32_t OKCANCEL = 0x1u;
inline constexpr std::uint32_t YESNO = 0x4u;
inline constexpr std::uint32_t ICONQUESTION = 0x20u;
inline constexpr std::uint32_t ICONWARNING = 0x30u;
inline constexpr std::uint32_t ICONINFORMATION = 0x40u;
inline constexpr std::uint32_t DEFBUTTON2 = 0x100u;
inline constexpr std::uint32_t TOPMOST = 0x40000u;
} // namespace mb

// The buttons a message box answers with (IDOK, IDYES, ...).
namespace id_ {
inline constexpr int OK = 1;
inline constexpr int CANCEL = 2;
inline constexpr int YES = 6;
inline constexpr int NO = 7;
} // namespace id_

// Control IDs the dialog manager gives Enter and Esc.
namespace id {
inline constexpr int OK = 1;
inline constexpr int CANCEL = 2;
} // namespace id

namespace vk {
inline constexpr std::uint32_t TAB = 0x09u;
inline constexpr std::uint32_t RETURN = 0x0Du;
inline constexpr std::uint32_t ESCAPE = 0x1Bu;
inline constexpr std::uint32_t SPACE = 0x20u;
inline constexpr std::uint32_t UP = 0x26u;
} // namespace vk

} // namespace vm
