// The settings window is no dialog box, so nothing keeps its focused control
// while another window is active (a message box, a file dialog, Alt+Tab):
// the focus would come back to the window itself, where the keyboard reaches
// nothing. This keeps it at deactivation and gives it back at activation.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace vm {

class FocusKeeper {
public:
    explicit FocusKeeper(IWindowSystem& win) : win_(win) {}

    // WM_ACTIVATE of form. True when it gave a control the focus, so the
    // default handling (the focus to the window itself) is skipped; first
    // is the control that gets it when none was kept.
    bool OnActivate(Hwnd form, std::uint32_t state, bool minimized, Hwnd first);
    // A newly shown window starts at its first control.
    void Forget() { kept_ = 0; }

private:
    bool IsUsableChild(Hwnd form, Hwnd control);

    IWindowSystem& win_;
    Hwnd kept_ = 0;
};

} // namespace vm
