#include "ui/next_dialog_control.h"

namespace vm {

void NextDialogControl(IWindowSystem& win, Hwnd window, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    Hwnd target = 0;
    if (lParam != 0) {
        target = Hwnd{wParam};
    } else {
        const Hwnd focus = win.GetFocus();
        target = win.GetNextDlgTabItem(window, focus == window ? Hwnd{} : focus, wParam != 0);
    }
    if (target != 0 && win.GetParent(target) == window)
        win.SetFocus(target);
}

} // namespace vm
