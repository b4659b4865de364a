// Win32 constants of the standard and common controls, menus, colours and
// fonts: their styles, messages and notifications.
// Part of platform/constants.h, which says how they are named.
#pragma once

#include <cstdint>

namespace vm {

namespace mf {
inline constexpr std::uint32_t STRING = 0x0u;
inline constexpr std::uint32_t GRAYED = 0x1u;
inline constexpr std::uint32_t CHECKED = 0x8u;
inline constexpr std::uint32_t SEPARATOR = 0x800u;
} // namespace mf

namespace tpm {
inline constexpr std::uint32_t RIGHTBUTTON = 0x2u;
inline constexpr std::uint32_t BOTTOMALIGN = 0x20u;
inline constexpr std::uint32_t RETURNCMD = 0x100u;
} // namespace tpm

// Button styles, messages and notifications.
namespace bs {
inline constexpr std::uint32_t PUSHBUTTON = 0x0u;
inline constexpr std::uint32_t DEFPUSHBUTTON = 0x1u;
inline constexpr std::uint32_t AUTOCHECKBOX = 0x3u;
inline constexpr std::uint32_t GROUPBOX = 0x7u;
inline constexpr std::uint32_t TYPEMASK = 0xFu;
inline constexpr std::uint32_t TOP = 0x400u;
inline constexpr std::uint32_t MULTILINE = 0x2000u;
} // namespace bs

namespace bm {
inline constexpr std::uint32_t GETCHECK = 0x00F0u;
inline constexpr std::uint32_t SETCHECK = 0x00F1u;
inline constexpr std::uint32_t CLICK = 0x00F5u;
inline constexpr std::uint32_t SETIMAGE = 0x00F7u;
} // namespace bm

namespace bn {
inline constexpr std::uint32_t CLICKED = 0;
} // namespace bn

namespace bst {
inline constexpr std::uintptr_t UNCHECKED = 0;
inline constexpr std::uintptr_t CHECKED = 1;
} // namespace bst

// Static texts.
namespace ss {
inline constexpr std::uint32_t LEFT = 0x0u;
inline constexpr std::uint32_t CENTER = 0x1u;
inline constexpr std::uint32_t RIGHT = 0x2u;
inline constexpr std::uint32_t LEFTNOWORDWRAP = 0xCu;
inline constexpr std::uint32_t NOPREFIX = 0x80u;
inline constexpr std::uint32_t CENTERIMAGE = 0x200u;
inline constexpr std::uint32_t SUNKEN = 0x1000u;
} // namespace ss

// Edit fields.
namespace es {
inline constexpr std::uint32_t RIGHT = 0x2u;
inline constexpr std::uint32_t AUTOHSCROLL = 0x80u;
inline constexpr std::uint32_t READONLY = 0x800u;
} // namespace es

namespace em {
inline constexpr std::uint32_t SETSEL = 0x00B1u;
inline constexpr std::uint32_t REPLACESEL = 0x00C2u;
inline constexpr std::uint32_t LIMITTEXT = 0x00C5u;
inline constexpr std::uint32_t SETREADONLY = 0x00CFu;
inline constexpr std::uint32_t GETLIMITTEXT = 0x00D5u;
} // namespace em

namespace en {
inline constexpr std::uint32_t CHANGE = 0x0300u;
} // namespace en

// List boxes.
namespace lbs {
inline constexpr std::uint32_t NOTIFY = 0x1u;
inline constexpr std::uint32_t NOINTEGRALHEIGHT = 0x100u;
} // namespace lbs

namespace lb {
inline constexpr std::uint32_t ADDSTRING = 0x0180u;
inline constexpr std::uint32_t DELETESTRING = 0x0182u;
inline constexpr std::uint32_t RESETCONTENT = 0x0184u;
inline constexpr std::uint32_t SETCURSEL = 0x0186u;
inline constexpr std::uint32_t GETCURSEL = 0x0188u;
inline constexpr std::uint32_t GETTEXT = 0x0189u;
inline constexpr std::uint32_t GETTEXTLEN = 0x018Au;
inline constexpr std::uint32_t GETCOUNT = 0x018Bu;
inline constexpr std::uint32_t GETHORIZONTALEXTENT = 0x0193u;
inline constexpr std::uint32_t SETHORIZONTALEXTENT = 0x0194u;
inline constexpr std::uint32_t FINDSTRINGEXACT = 0x01A2u;
inline constexpr std::intptr_t ERR = -1;
} // namespace lb

namespace lbn {
inline constexpr std::uint32_t SELCHANGE = 1;
} // namespace lbn

// Track bars.
namespace tbs {
inline constexpr std::uint32_t AUTOTICKS = 0x1u;
inline constexpr std::uint32_t VERT = 0x2u;
inline constexpr std::uint32_t BOTH = 0x8u;
} // namespace tbs

namespace tbm {
inline constexpr std::uint32_t GETPOS = 0x0400u;
inline constexpr std::uint32_t GETRANGEMIN = 0x0401u;
inline constexpr std::uint32_t GETRANGEMAX = 0x0402u;
inline constexpr std::uint32_t SETPOS = 0x0405u;
inline constexpr std::uint32_t SETRANGEMIN = 0x0407u;
inline constexpr std::uint32_t SETRANGEMAX = 0x0408u;
inline constexpr std::uint32_t SETTICFREQ = 0x0414u;
inline constexpr std::uint32_t SETTHUMBLENGTH = 0x041Bu;
} // namespace tbm

// Scroll codes of WM_VSCROLL.
namespace sb {
inline constexpr std::uint32_t THUMBPOSITION = 4;
inline constexpr std::uint32_t ENDSCROLL = 8;
} // namespace sb

// Up-down spinners.
namespace uds {
inline constexpr std::uint32_t WRAP = 0x1u;
inline constexpr std::uint32_t SETBUDDYINT = 0x2u;
inline constexpr std::uint32_t ARROWKEYS = 0x20u;
} // namespace uds

namespace udm {
inline constexpr std::uint32_t SETBUDDY = 0x0469u;
inline constexpr std::uint32_t GETBUDDY = 0x046Au;
inline constexpr std::uint32_t SETRANGE32 = 0x046Fu;
inline constexpr std::uint32_t GETRANGE32 = 0x0470u;
inline constexpr std::uint32_t SETPOS32 = 0x0471u;
inline constexpr std::uint32_t GETPOS32 = 0x0472u;
} // namespace udm

// System colours (GetSysColor, GetSysColorBrush).
namespace color {
inline constexpr int ACTIVECAPTION = 2;
inline constexpr int INACTIVECAPTION = 3;
inline constexpr int CAPTIONTEXT = 9;
inline constexpr int BTNFACE = 15;
inline constexpr int INACTIVECAPTIONTEXT = 19;
} // namespace color

// Fonts.
namespace fw {
inline constexpr std::int32_t NORMAL = 400;
inline constexpr std::int32_t BOLD = 700;
} // namespace fw

inline constexpr std::uint8_t kShiftJisCharset = 128;

// InitCommonControlsEx classes.
namespace icc {
// Underscored: <commctrl.h> defines UPDOWN_CLASS as a macro.
inline constexpr std::uint32_t UPDOWN_CLASS_ = 0x10u;
inline constexpr std::uint32_t BAR_CLASSES = 0x4u;
inline constexpr std::uint32_t STANDARD_CLASSES = 0x4000u;
} // namespace icc

// RedrawWindow flags.
namespace rdw {
inline constexpr std::uint32_t INVALIDATE = 0x1u;
inline constexpr std::uint32_t ERASE = 0x4u;
inline constexpr std::uint32_t ALLCHILDREN = 0x80u;
inline constexpr std::uint32_t UPDATENOW = 0x100u;
} // namespace rdw

// The system's class names of the standard controls.
namespace control_class {
inline constexpr char BUTTON[] = "Button";
inline constexpr char EDIT[] = "Edit";
inline constexpr char STATIC[] = "Static";
inline constexpr char LISTBOX[] = "ListBox";
inline constexpr char TRACKBAR[] = "msctls_trackbar32";
inline constexpr char UPDOWN[] = "msctls_updown32";
} // namespace control_class

} // namespace vm
