// How another process talks to a running taskbar stand-in. Shared with the
// end-to-end tests, which re-dock the bar and count the shell's queries.
#pragma once

namespace standin {

// Window class of the docked bar, the class the shell's own taskbar has.
inline constexpr wchar_t BarClassName[] = L"Shell_TrayWnd";

// Registered message sent to the bar: wParam is the new edge (ABE_LEFT,
// ABE_TOP, ABE_RIGHT or ABE_BOTTOM), lParam the new thickness in pixels
// (0 keeps the current one). Answers 1 once the bar lies at its new place.
inline constexpr wchar_t DockMessageName[] = L"VelmoraStandinDock";

// Registered message sent to the bar: answers how many ABM_GETTASKBARPOS
// queries the stand-in has answered so far. Every pass of the watcher asks
// once, so a growing count shows that passes are running.
inline constexpr wchar_t QueryCountMessageName[] = L"VelmoraStandinQueryCount";

// Registered message sent to the bar: answers how the bar looks, as only its
// own process can read the alpha (GetLayeredWindowAttributes): the bits below,
// and the alpha in bits 8 to 15 when AppearanceAlphaSet is among them.
inline constexpr wchar_t AppearanceMessageName[] = L"VelmoraStandinAppearance";
inline constexpr unsigned AppearanceLayered = 0x1;  // WS_EX_LAYERED is set
inline constexpr unsigned AppearanceVisible = 0x2;  // the bar is shown
inline constexpr unsigned AppearanceAlphaSet = 0x4; // a constant alpha is set
inline constexpr unsigned AppearanceAlphaShift = 8;

// Registered messages sent to the bar about its notification area:
// - IconCount: answers how many icons it holds.
// - IconTip: wParam the icon's index; answers a global atom holding "|"
//   and the icon's tip (0 for no such icon). The caller deletes the atom.
// - IconOwner: wParam the icon's index; answers the icon's window.
// - IconClick: wParam the icon's index, lParam a mouse message (for example
//   WM_RBUTTONDOWN); posts the icon's callback message as the shell does
//   when the user acts on it. Answers 1 when it was posted.
inline constexpr wchar_t IconCountMessageName[] = L"VelmoraStandinIconCount";
inline constexpr wchar_t IconTipMessageName[] = L"VelmoraStandinIconTip";
inline constexpr wchar_t IconOwnerMessageName[] = L"VelmoraStandinIconOwner";
inline constexpr wchar_t IconClickMessageName[] = L"VelmoraStandinIconClick";
inline constexpr wchar_t TipAtomPrefix[] = L"|";

} // namespace standin
