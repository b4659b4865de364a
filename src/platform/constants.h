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
inline constexpr std::uint32_t SETFONT = 0x0030u;
inline constexpr std::uint32_t GETFONT = 0x0031u;
inline constexpr std::uint32_t COPYDATA = 0x004Au;
// Sent to every top-level window once the displays were resized, added,
// removed or moved.
inline constexpr std::uint32_t DISPLAYCHANGE = 0x007Eu;
inline constexpr std::uint32_t NCDESTROY = 0x0082u;
inline constexpr std::uint32_t GETDLGCODE = 0x0087u;
inline constexpr std::uint32_t KEYDOWN = 0x0100u;
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
inline constexpr std::uintptr_t CLOSE = 0xF060u;
// The bits of a WM_SYSCOMMAND's wParam that name the command.
inline constexpr std::uintptr_t COMMAND_MASK = 0xFFF0u;
} // namespace sc

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

namespace nim {
inline constexpr std::uint32_t ADD = 0;
inline constexpr std::uint32_t MODIFY = 1;
inline constexpr std::uint32_t DELETE_ = 2;
inline constexpr std::uint32_t SETFOCUS = 3;
} // namespace nim

namespace nif {
inline constexpr std::uint32_t MESSAGE = 0x1u;
inline constexpr std::uint32_t ICON = 0x2u;
inline constexpr std::uint32_t TIP = 0x4u;
inline constexpr std::uint32_t INFO = 0x10u;
} // namespace nif

namespace niif {
inline constexpr std::uint32_t INFO = 0x1u;
} // namespace niif

namespace image {
inline constexpr std::uint32_t ICON = 1;
} // namespace image

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

namespace process_access {
inline constexpr std::uint32_t QUERY_LIMITED_INFORMATION = 0x1000u;
} // namespace process_access

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
inline constexpr HKey CURRENT_USER{0x80000001u};
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
inline constexpr std::int32_t ALREADY_EXISTS = 183;
inline constexpr std::int32_t MORE_DATA = 234;
} // namespace error

namespace hresult {
inline constexpr HResult OK = 0;
inline constexpr HResult FAIL = static_cast<HResult>(0x80004005u);             // E_FAIL
inline constexpr HResult INVALID_ARGUMENT = static_cast<HResult>(0x80070057u); // E_INVALIDARG
} // namespace hresult

namespace file_attribute {
inline constexpr std::uint32_t DIRECTORY = 0x10u;
inline constexpr std::uint32_t ARCHIVE = 0x20u;
inline constexpr std::uint32_t INVALID = 0xFFFFFFFFu; // INVALID_FILE_ATTRIBUTES
} // namespace file_attribute

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
inline constexpr std::uint32_t UPDOWN_CLASS = 0x10u;
inline constexpr std::uint32_t BAR_CLASSES = 0x4u;
inline constexpr std::uint32_t STANDARD_CLASSES = 0x4000u;
} // namespace icc

// GetOpenFileNameA flags.
namespace ofn {
inline constexpr std::uint32_t HIDEREADONLY = 0x4u;
inline constexpr std::uint32_t PATHMUSTEXIST = 0x800u;
inline constexpr std::uint32_t FILEMUSTEXIST = 0x1000u;
inline constexpr std::uint32_t EXPLORER = 0x80000u;
inline constexpr std::uint32_t ENABLESIZING = 0x800000u;
} // namespace ofn

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

// The parking position of a minimized window.
inline constexpr std::int32_t kParkedCoordinate = -32000;

} // namespace vm
