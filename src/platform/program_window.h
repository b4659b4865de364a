// A window the program creates itself, with its procedure, owned: it is
// destroyed with this object. Hwnd stays the non-owning name of a window.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/unique.h"
#include "platform/window_system.h"

namespace vm {

class ProgramWindow {
public:
    ProgramWindow() = default;
    // Null when the system refused the window.
    ProgramWindow(IWindowSystem& win, ProgramWindowSpec spec)
        : window_(Own(win, win.CreateProgramWindow(std::move(spec)))) {}

    Hwnd Get() const { return window_.Get(); }
    explicit operator bool() const { return static_cast<bool>(window_); }

private:
    Unique<Hwnd> window_;
};

} // namespace vm
