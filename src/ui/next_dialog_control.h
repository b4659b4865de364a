// WM_NEXTDLGCTL for a window of ours that the message loop runs through the
// dialog manager: the dialog manager asks the window itself to move the
// focus (for the access key of a label or a group box: to the label, then
// on to the next tab stop), and only a dialog box's own procedure would
// answer. The window answers it the same way.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace vm {

// lParam nonzero: the focus goes to the control wParam. Otherwise to the
// tab stop after the focused control, or before it when wParam is nonzero.
void NextDialogControl(IWindowSystem& win, Hwnd window, std::uintptr_t wParam,
                       std::intptr_t lParam);

} // namespace vm
