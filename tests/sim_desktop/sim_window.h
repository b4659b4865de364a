// One top-level window of the simulated desktop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/constants.h"
#include "platform/types.h"
#include "platform/window_system.h"
#include "sim_desktop/sim_control.h"

namespace vm::sim {

// The rectangle GetWindowRect reports for a minimized window.
inline constexpr Rect kParkedRect{kParkedCoordinate, kParkedCoordinate, kParkedCoordinate + 160,
                                  kParkedCoordinate + 28};

// What GetDesktopWindow returns; EnumWindows never visits it.
inline constexpr Hwnd kDesktopWindow{0x10010};

// Tests may read and change every field. The state flags are read from and
// written to the style bits themselves, so WS_VISIBLE, WS_DISABLED, WS_MINIMIZE and WS_MAXIMIZE
// always agree with them. Setting a flag here changes that state only; to
// have the window behave as on a show or move request, use
// SimDesktop::showWindow / moveWindow.
struct SimWindow {
    Hwnd handle = 0;
    std::string className; // ANSI, code page 932
    std::u16string titleW;
    Rect rect;       // what GetWindowRect reports unless the window is minimized
    Rect normalRect; // where a restore puts it
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint32_t pid = 0;
    Hwnd owner = 0;
    // A child window lives inside its parent: its rect is relative to the
    // parent's window origin, and it is never a top-level window. Its
    // control ID and, for a system control, the control's state.
    Hwnd parent = 0;
    std::vector<Hwnd> children; // top of the siblings' z-order first (the order Tab walks)
    int controlId = 0;
    SimControl control;
    // The name a screen reader reads, when the program gave one through
    // the accessibility interfaces (else the label before it or the text).
    std::u16string accessibleName;
    WndProc proc; // set for windows the program created
    bool refusesMoves = false;
    // Sets WS_EX_LAYERED again whenever a program clears it, as a start menu
    // busy with its own fading does.
    bool keepsLayered = false;
    // Belongs to an elevated program: a move, show or new title from
    // another process fails (access denied), as under User Interface
    // Privilege Isolation.
    bool elevated = false;
    // What SetLayeredWindowAttributes gave the layered window; reset when
    // it stops being layered.
    std::uint8_t alpha = 255;
    std::uint32_t colorKey = 0;
    std::uint32_t layeredFlags = 0;
    // The DPI a program's own window was last drawn at (WM_DPICHANGED).
    std::uint32_t dpi = kDesignDpi;
    // A maximized window that was minimized comes back maximized.
    bool restoresMaximized = false;
    // Hidden by the compositor while visible: on another virtual desktop, a
    // suspended app's frame, a closed shell flyout (Windows 8 on).
    bool cloaked = false;
    // An immersive window, which EnumWindows skips since Windows 8; window
    // events and FindWindow still see it.
    bool skippedByEnumWindows = false;

    // The title as the "A" calls see it.
    const std::string& titleA() const;

    bool visible() const { return has(ws::VISIBLE); }
    void setVisible(bool on) { set(ws::VISIBLE, on); }
    bool enabled() const { return !has(ws::DISABLED); }
    void setEnabled(bool on) { set(ws::DISABLED, !on); }
    bool minimized() const { return has(ws::MINIMIZE); }
    void setMinimized(bool on) { set(ws::MINIMIZE, on); }
    bool maximized() const { return has(ws::MAXIMIZE); }
    void setMaximized(bool on) { set(ws::MAXIMIZE, on); }

    bool layered() const { return (exStyle & ws_ex::LAYERED) != 0; }
    Rect reportedRect() const { return minimized() ? kParkedRect : rect; }

private:
    bool has(std::uint32_t bit) const { return (style & bit) != 0; }
    void set(std::uint32_t bit, bool on) { style = on ? (style | bit) : (style & ~bit); }

    // The converted title and the UTF-16 text it was made from.
    mutable std::u16string convertedFrom_;
    mutable std::string titleA_;
};

} // namespace vm::sim
