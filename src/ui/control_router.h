// Hands the notifications that child controls send their parent window to
// the controls themselves.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "platform/constants.h"
#include "platform/types.h"
#include "ui/control.h"

namespace vm {

class ControlRouter {
public:
    // Creates the control's window as a child of parent and routes its
    // notifications from then on.
    bool Create(Control& control, IWindowSystem& win, Hwnd parent, int controlId,
                const ControlPlacement& place) {
        if (!control.Create(win, parent, controlId, place))
            return false;
        controls_[control.Window()] = &control;
        return true;
    }
    // A message of the parent window; true when it was a control's
    // notification, now handled.
    bool Route(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
        if (msg != wm::COMMAND && msg != wm::VSCROLL && msg != wm::HSCROLL)
            return false;
        const std::uint32_t code = msg == wm::COMMAND ? HighWord(wParam) : LowWord(wParam);
        return Notify(static_cast<Hwnd>(lParam), code);
    }
    // A control's notification code (of WM_COMMAND, WM_VSCROLL or
    // WM_HSCROLL); false when the window is none of the routed controls.
    bool Notify(Hwnd control, std::uint32_t code) {
        const auto it = controls_.find(control);
        if (control == 0 || it == controls_.end())
            return false;
        it->second->Notify(code);
        return true;
    }
    Control* Find(Hwnd window) const {
        const auto it = controls_.find(window);
        return it == controls_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<Hwnd, Control*> controls_;
};

} // namespace vm
