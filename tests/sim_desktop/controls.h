// The standard controls of the simulated desktop (buttons, edit fields,
// statics, list boxes, track bars, up-down spinners) as child windows, with
// the dialog manager's keyboard handling and the user at the controls. The
// window manager runs their procedure; they reach windows through it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"
#include "sim_desktop/sim_window.h"
#include "sim_desktop/window_manager.h"

namespace vm::sim {

class SimControls {
public:
    explicit SimControls(SimWindowManager& windows) : wm_(windows) {}

    // comctl32 registers the common controls' classes.
    void registerCommonControls(std::uint32_t classes) { commonControls_ |= classes; }
    bool commonControlsReady() const { return commonControls_ != 0; }
    // Visual styles in use for the programs (IsAppThemed); off by default.
    void setThemed(bool on) { themed_ = on; }
    bool themed() const { return themed_; }

    // A control of pid's in its parent; 0 for a class that is not (yet)
    // registered or a parent of another process.
    Hwnd createChild(std::uint32_t pid, std::uint32_t exStyle, const char* className,
                     const char* text, std::uint32_t style, Rect rect, Hwnd parent, int id);
    std::intptr_t proc(SimWindow& control, std::uint32_t msg, std::uintptr_t wParam,
                       std::intptr_t lParam);

    // The user at the controls of a program's window. Each does what the
    // mouse or keyboard would, with the notifications to the parent, and
    // nothing when the control (or its window) is disabled or hidden.
    void click(Hwnd control); // a push button or check box
    void selectListItem(Hwnd listBox, int index);
    void dragTrackBar(Hwnd trackBar, int position);
    void stepUpDown(Hwnd upDown, bool up);
    // Selects all of an edit field's text and types text over it.
    void typeText(Hwnd edit, const std::string& text);
    // A key pressed while the window manager's focus() has the keyboard
    // focus. In a window with WS_EX_CONTROLPARENT the dialog manager sees it
    // first: Tab, Enter, Esc, and Space on a button.
    void pressKey(std::uint32_t virtualKey);
    // Alt with a caption's underlined letter, in the window that has the
    // focus, as the dialog manager takes it: a label's or a group box's asks
    // the window for the focus to move past it (WM_NEXTDLGCTL, which only a
    // dialog's own procedure answers); a button's presses that button.
    void pressAccessKey(char letter);
    // The next (or previous) visible, enabled tab stop after from among the
    // dialog's children, wrapping round.
    Hwnd nextTabStop(Hwnd dialog, Hwnd from, bool previous = false);

private:
    void notifyCommand(const SimWindow& control, std::uint32_t code);
    void notifyScroll(const SimWindow& control, std::uint32_t code, int position);
    void setBuddyText(const SimWindow& upDown);
    void readBuddyText(SimWindow& upDown);
    void replaceSelection(SimWindow& edit, const std::string& text);
    // The dialog manager's keyboard walk.
    Hwnd dialogOf(Hwnd window);

    SimWindowManager& wm_;
    std::uint32_t commonControls_ = 0;
    bool themed_ = false;
};

} // namespace vm::sim
